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
    }
    ~SoundCommandsTest() override { qunsetenv("QVL_PLAYER_LOG"); }

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

    static bool alive(pid_t pid) { return ::kill(pid, 0) == 0 || errno != ESRCH; }

    QTemporaryDir program;
    QTemporaryDir work;
    const QString log = work.filePath("player.log");
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

// A voice comment is recorded with these commands; recording is not available, so each
// fails quietly and no file appears.
TEST_F(SoundCommandsTest, RecordingIsReportedNotAvailable)
{
    SoundCommands sound(mapper(), kPlayer);
    const std::pair<const char*, Status> steps[] = {
        {"close all", Status::Ok},
        {"open new type Waveaudio alias capture", Status::NotAvailable},
        {"seek capture to start", Status::NotOpen},
        {"set capture samplespersec 11100", Status::NotOpen},
        {"set capture bitspersample 8", Status::NotOpen},
        {"set capture channels 1", Status::NotOpen},
        {"record capture", Status::NotOpen},
        {"save capture \"C:\\Qvlzantor\\Commentaires\\9782070612758.Wav\"", Status::NotOpen},
        {"stop capture", Status::NotOpen},
        {"close capture", Status::NotOpen},
    };
    for (const auto& [command, status] : steps)
        EXPECT_EQ(sound.send(command), status) << command;
    ASSERT_EQ(sound.send("open \"C:\\Qvlzantor\\Commentaires\\King_henru_march.wma.Wav\" alias capture"), Status::Ok);
    EXPECT_EQ(sound.send("record capture"), Status::NotAvailable);
    EXPECT_EQ(sound.send("save capture \"C:\\Qvlzantor\\Commentaires\\9782070612758.Wav\""), Status::NotAvailable);
    EXPECT_FALSE(QFile::exists(program.filePath("Commentaires/9782070612758.Wav")));
}

TEST_F(SoundCommandsTest, OtherTextIsNoCommand)
{
    SoundCommands sound(mapper(), kPlayer);
    for (const char* command : {"", "close", "play", "capture play", "open \"C:\\Qvlzantor\\x.Wav\"",
                                "open \"C:\\Qvlzantor\\x.Wav\" alias", "status capture mode"})
        EXPECT_EQ(sound.send(command), Status::UnknownCommand) << command;
}
