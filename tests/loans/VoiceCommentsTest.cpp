// Voice comments on the return screen, recorded through a stand-in recorder found on the path in
// place of the machine's (or through one that finds no recording device).
#include "MainWindowFixture.h"

#include "loans/ReturnInstaller.h"
#include "loans/VoiceComments.h"
#include "platform/ui/Edit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

namespace {

// Puts a recorder named arecord first on the path, with no sound server to prefer, before the
// fixture's sound commands look for one.
struct RecorderOnPath {
    explicit RecorderOnPath(const QString& recorder)
    {
        QFile::link(recorder, bin.filePath("arecord"));
        qputenv("QVL_RECORDER_LOG", QFile::encodeName(bin.filePath("recorder.log")));
        qputenv("PATH", QFile::encodeName(bin.path()) + ":" + savedPath);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(bin.path()));
        qunsetenv("PULSE_SERVER");
    }
    ~RecorderOnPath()
    {
        qputenv("PATH", savedPath);
        qputenv("XDG_RUNTIME_DIR", savedRuntime);
        qunsetenv("QVL_RECORDER_LOG");
    }
    QTemporaryDir bin;
    const QByteArray savedPath = qgetenv("PATH");
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
};

template <const char* Recorder>
class VoiceTest : public RecorderOnPath, public MainWindowTest {
protected:
    VoiceTest() : RecorderOnPath(QString::fromLatin1(Recorder)) {}
    void SetUp() override
    {
        start({"Cancel"}, {[](app::TFrmPrin& frm) { loans::installReturnScreen(frm); }});
        input.click(QStringLiteral("ToolButton2"));
    }
    // Records on the return screen for the code typed, as the librarian does with the icons.
    void recordFor(const QString& code)
    {
        input.click(QStringLiteral("Edit48"));
        input.type(code);
        input.hover(frm().get<ui::Control>(QStringLiteral("Image51")));
        input.click(QStringLiteral("Image67"));
        EXPECT_TRUE(frm().get<ui::Control>(QStringLiteral("Image68")).visible());
    }
    void stop() { input.click(QStringLiteral("Image53")); }
};

constexpr char kStandIn[] = QVL_FIXTURES_DIR "/media/recorder";
constexpr char kNoDevice[] = "/bin/false";

using VoiceCommentTest = VoiceTest<kStandIn>;
using VoiceCommentWithoutDeviceTest = VoiceTest<kNoDevice>;

TEST(CommentFileTest, CodeStaysInsideTheCommentsFolder)
{
    const struct {
        const char* code;
        const char* file;
    } cases[] = {
        {"9782070612758", "C:\\Q\\Commentaires\\9782070612758.Wav"},
        {"", "C:\\Q\\Commentaires\\.Wav"},
        {"..\\..\\Journal", "C:\\Q\\Commentaires\\____Journal.Wav"},
        {"a/../b", "C:\\Q\\Commentaires\\a___b.Wav"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(loans::commentFile(QStringLiteral("C:\\Q\\"), QString::fromLatin1(c.code)), c.file) << c.code;
}

TEST_F(VoiceCommentTest, RecordingOnTheReturnScreenIsSavedUnderTheCode)
{
    const size_t dialogsBefore = dialogs.log().size();
    recordFor(QStringLiteral("1234"));
    for (int i = 0; i < 1000 && !QFile::exists(bin.filePath("recorder.log")); ++i)
        QThread::msleep(10);
    stop();
    const QByteArray wave = program.read(QStringLiteral("Commentaires/1234.Wav"));
    ASSERT_EQ(wave.size(), 48);
    EXPECT_EQ(wave.left(4), "RIFF");
    EXPECT_EQ(wave.mid(8, 8), "WAVEfmt ");
    // PCM, one channel, 11100 samples a second, 8 bits.
    EXPECT_EQ(wave.mid(20, 16), QByteArray("\x01\0\x01\0\x5c\x2b\0\0\x5c\x2b\0\0\x01\0\x08\0", 16));
    EXPECT_EQ(wave.mid(44), QByteArray("\x80\x7f\x81\x7e"));
    EXPECT_FALSE(frm().get<ui::Control>(QStringLiteral("Image68")).visible());
    EXPECT_TRUE(frm().get<ui::Control>(QStringLiteral("Image51")).visible());
    EXPECT_EQ(dialogs.log().size(), dialogsBefore);
}

TEST_F(VoiceCommentWithoutDeviceTest, NoDeviceIsToldAndNothingWritten)
{
    recordFor(QStringLiteral("1234"));
    dialogs.answer(QStringLiteral("OK"));
    stop();
    EXPECT_TRUE(dialogs.log().back().text.startsWith(QStringLiteral("Aucun périphérique d'enregistrement")));
    EXPECT_FALSE(program.exists(QStringLiteral("Qvlzantor/Commentaires/1234.Wav")));
}

}  // namespace
