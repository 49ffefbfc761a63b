#include "platform/media/SoundCommands.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <cerrno>
#include <csignal>
#include <stdexcept>

using namespace media;

namespace {

const QString kPlayer = QStringLiteral(QVL_FIXTURES_DIR "/media/player");
const QString kRecorder = QStringLiteral(QVL_FIXTURES_DIR "/media/recorder");

// The smallest WAV file: a header and no samples.
QByteArray emptyWave()
{
    return QByteArray("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x5c\x2b\0\0\x5c\x2b\0\0\x01\0\x08\0data\0\0\0\0", 44);
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class SoundCommandsTest : public ::testing::Test {
protected:
    SoundCommandsTest()
    {
        QDir(program.path()).mkpath("Commentaires");
        writeFile(program.filePath("Commentaires/King_henru_march.wma.Wav"), emptyWave());
        qputenv("QVL_PLAYER_LOG", QFile::encodeName(log));
        qputenv("QVL_RECORDER_LOG", QFile::encodeName(recorderLog));
    }
    ~SoundCommandsTest() override
    {
        qunsetenv("QVL_PLAYER_LOG");
        qunsetenv("QVL_RECORDER_LOG");
    }

    // The program's folder is C:\Qvlzantor\ in its own path text.
    QString nativePath(const QString& windowsPath) const
    {
        if (!windowsPath.startsWith(QStringLiteral("C:\\Qvlzantor\\")))
            throw std::runtime_error("outside the program folder");
        return program.filePath(windowsPath.mid(13).replace(u'\\', u'/'));
    }
    SoundCommands::PathMapper mapper()
    {
        return [this](const QString& path) { return nativePath(path); };
    }

    // What the stand-in player wrote: its process id and its arguments.
    std::pair<pid_t, QString> playerStart() const
    {
        for (int i = 0; i < 1000 && !QFile::exists(log); ++i)
            QThread::msleep(10);
        QFile file(log);
        if (!file.open(QIODevice::ReadOnly))
            return {0, QString()};
        const QString line = QString::fromUtf8(file.readAll()).trimmed();
        return {pid_t(line.section(u' ', 0, 0).toInt()), line.section(u' ', 1)};
    }

    // The arguments the stand-in recorder was given, once it has written its samples.
    QString recorderArguments() const
    {
        for (int i = 0; i < 1000 && !QFile::exists(recorderLog); ++i)
            QThread::msleep(10);
        QFile file(recorderLog);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
    }

    QByteArray fileBytes(const QString& relative) const
    {
        QFile file(program.filePath(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static bool alive(pid_t pid) { return ::kill(pid, 0) == 0 || errno != ESRCH; }

    QTemporaryDir program;
    QTemporaryDir work;
    const QString log = work.filePath("player.log");
    const QString recorderLog = work.filePath("recorder.log");
};

}  // namespace

TEST_F(SoundCommandsTest, StartUpSoundPlaysUntilEverythingIsClosed)
{
    SoundCommands sound(mapper(), kPlayer);
    EXPECT_EQ(sound.send("close all"), Status::Ok);
    EXPECT_EQ(sound.send("open \"C:\\Qvlzantor\\Commentaires\\King_henru_march.wma.Wav\" alias capture"), Status::Ok);
    EXPECT_EQ(sound.send("set capture time format ms"), Status::Ok);
    EXPECT_EQ(sound.send("play capture"), Status::Ok);
    const auto [pid, arguments] = playerStart();
    EXPECT_EQ(arguments, program.filePath("Commentaires/King_henru_march.wma.Wav"));
    ASSERT_GT(pid, 0);
    EXPECT_TRUE(alive(pid));
    EXPECT_EQ(sound.send("close all"), Status::Ok);
    EXPECT_FALSE(alive(pid));
    EXPECT_EQ(sound.send("play capture"), Status::NotOpen);
}

TEST_F(SoundCommandsTest, StopAndCloseOfTheAliasEndThePlaying)
{
    SoundCommands sound(mapper(), kPlayer);
    ASSERT_EQ(sound.send("OPEN \"C:\\Qvlzantor\\Commentaires\\King_henru_march.wma.Wav\" type waveaudio ALIAS Capture"),
              Status::Ok);
    EXPECT_EQ(sound.send("Play CAPTURE"), Status::Ok);
    const pid_t pid = playerStart().first;
    ASSERT_GT(pid, 0);
    EXPECT_EQ(sound.send("stop capture"), Status::Ok);
    EXPECT_FALSE(alive(pid));
    EXPECT_EQ(sound.send("close capture"), Status::Ok);
    EXPECT_EQ(sound.send("close capture"), Status::NotOpen);
}

TEST_F(SoundCommandsTest, WithoutAPlayerEverythingIsSilentlyAccepted)
{
    SoundCommands sound(mapper(), QString());
    for (const char* command : {"close all", "open \"C:\\Qvlzantor\\Commentaires\\King_henru_march.wma.Wav\" alias capture",
                                "set capture time format ms", "play capture", "stop capture", "close capture"})
        EXPECT_EQ(sound.send(command), Status::Ok) << command;
    EXPECT_FALSE(QFile::exists(log));
}

TEST_F(SoundCommandsTest, OnlyWaveFilesOpen)
{
    writeFile(program.filePath("Commentaires/9782070612758.Wav"), "not a sound");
    SoundCommands sound(mapper(), kPlayer);
    EXPECT_EQ(sound.send("open \"C:\\Qvlzantor\\Commentaires\\missing.Wav\" alias capture"), Status::FileNotPlayable);
    EXPECT_EQ(sound.send("open \"C:\\Qvlzantor\\Commentaires\\9782070612758.Wav\" alias capture"),
              Status::FileNotPlayable);
    EXPECT_EQ(sound.send("open \"D:\\elsewhere.Wav\" alias capture"), Status::FileNotPlayable);
    EXPECT_EQ(sound.send("play capture"), Status::NotOpen);
    ASSERT_EQ(sound.send("open \"C:\\Qvlzantor\\Commentaires\\King_henru_march.wma.Wav\" alias capture"), Status::Ok);
    EXPECT_EQ(sound.send("open \"C:\\Qvlzantor\\Commentaires\\King_henru_march.wma.Wav\" alias capture"),
              Status::AliasInUse);
}

// A voice comment is recorded with these commands, in this order.
const char* const kRecordingCommands[] = {"close all",
                                          "open new type Waveaudio alias capture",
                                          "seek capture to start",
                                          "set capture samplespersec 11100",
                                          "set capture bitspersample 8",
                                          "set capture channels 1",
                                          "record capture"};

TEST_F(SoundCommandsTest, RecordingIsSavedAsAWaveFileOfTheFormatSet)
{
    writeFile(program.filePath("Commentaires/9782070612758.Wav"), "an earlier comment");
    SoundCommands sound(mapper(), kPlayer, kRecorder);
    for (const char* command : kRecordingCommands)
        EXPECT_EQ(sound.send(command), Status::Ok) << command;
    EXPECT_EQ(recorderArguments(), "-q -t raw -f U8 -r 11100 -c 1");
    EXPECT_EQ(sound.send("save capture \"C:\\Qvlzantor\\Commentaires\\9782070612758.Wav\""), Status::Ok);
    EXPECT_EQ(sound.send("stop capture"), Status::Ok);
    EXPECT_EQ(sound.send("close capture"), Status::Ok);

    const QByteArray header("RIFF\x28\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x5c\x2b\0\0\x5c\x2b\0\0\x01\0\x08\0data\x04\0\0\0",
                            44);
    EXPECT_EQ(fileBytes("Commentaires/9782070612758.Wav"), header + QByteArray("\x80\x7f\x81\x7e"));

    // The new comment plays back.
    ASSERT_EQ(sound.send("open \"C:\\Qvlzantor\\Commentaires\\9782070612758.Wav\" alias capture"), Status::Ok);
}

TEST_F(SoundCommandsTest, ARecordingClosedBeforeItsSaveIsLost)
{
    SoundCommands sound(mapper(), kPlayer, kRecorder);
    for (const char* command : kRecordingCommands)
        ASSERT_EQ(sound.send(command), Status::Ok) << command;
    ASSERT_FALSE(recorderArguments().isEmpty());
    EXPECT_EQ(sound.send("close all"), Status::Ok);
    EXPECT_EQ(sound.send("save capture \"C:\\Qvlzantor\\Commentaires\\9782070612758.Wav\""), Status::NotOpen);
    EXPECT_FALSE(QFile::exists(program.filePath("Commentaires/9782070612758.Wav")));
}

// No recorder installed, or one that finds no device and ends without a sample: the save says
// so and writes nothing.
TEST_F(SoundCommandsTest, WithoutARecordingDeviceNothingIsWritten)
{
    const struct {
        QString recorder;
        Status record;
    } cases[] = {{QString(), Status::NotAvailable}, {QStringLiteral("/bin/false"), Status::Ok}};
    for (const auto& c : cases) {
        SoundCommands sound(mapper(), kPlayer, c.recorder);
        for (const char* command : kRecordingCommands) {
            if (QByteArray(command) != "record capture") {
                EXPECT_EQ(sound.send(command), Status::Ok) << command;
            }
        }
        EXPECT_EQ(sound.send("record capture"), c.record) << c.recorder.toStdString();
        EXPECT_EQ(sound.send("save capture \"C:\\Qvlzantor\\Commentaires\\9782070612758.Wav\""), Status::NotAvailable)
            << c.recorder.toStdString();
        EXPECT_EQ(sound.send("close capture"), Status::Ok);
        EXPECT_FALSE(QFile::exists(program.filePath("Commentaires/9782070612758.Wav")));
    }
}

TEST_F(SoundCommandsTest, ARecordingThatCannotBeSavedThereSaysSo)
{
    SoundCommands sound(mapper(), kPlayer, kRecorder);
    for (const char* command : kRecordingCommands)
        ASSERT_EQ(sound.send(command), Status::Ok) << command;
    ASSERT_FALSE(recorderArguments().isEmpty());
    EXPECT_EQ(sound.send("save capture \"C:\\Qvlzantor\\Missing\\9782070612758.Wav\""), Status::FileNotWritable);
    EXPECT_FALSE(QFile::exists(program.filePath("Missing")));
}

TEST_F(SoundCommandsTest, OtherTextIsNoCommand)
{
    SoundCommands sound(mapper(), kPlayer);
    for (const char* command : {"", "close", "play", "capture play", "open \"C:\\Qvlzantor\\x.Wav\"",
                                "open \"C:\\Qvlzantor\\x.Wav\" alias", "status capture mode"})
        EXPECT_EQ(sound.send(command), Status::UnknownCommand) << command;
}
