// Only regular files are read as text; a pipe, a device or a folder under the name is a missing
// file, and never blocks the reader.
#include "platform/files/TextFile.h"
#include "platform/files/TextFileRecord.h"

#include "ProgramFolderFixture.h"

#include <sys/stat.h>

using namespace files;

namespace {

class TextFileTest : public ProgramFolderTest {
protected:
    // Special files under the names a reader is given.
    void makeSpecialFiles()
    {
        ASSERT_EQ(::mkfifo(QFile::encodeName(drive("Qvlzantor/pipe.txt")).constData(), 0600), 0);
        ASSERT_TRUE(QDir().mkpath(drive("Qvlzantor/folder.txt")));
    }
    // Native paths of things that are no regular file.
    QStringList specialFiles() const
    {
        return {drive("Qvlzantor/pipe.txt"), drive("Qvlzantor/folder.txt"), QStringLiteral("/dev/zero"),
                drive("Qvlzantor/absent.txt")};
    }
};

}  // namespace

TEST_F(TextFileTest, ARegularFileIsReadWholeWithItsStamp)
{
    makeFile("Qvlzantor/Thesaurus.txt", "ABANDON\r\n\xC9L\xC8VE\r\nZZZZZ");
    QStringList lines;
    ASSERT_TRUE(readTextFileLines(drive("Qvlzantor/Thesaurus.txt"), lines));
    EXPECT_EQ(lines, QStringList({"ABANDON", "ÉLÈVE", "ZZZZZ"}));
    QByteArray bytes;
    FileStamp stamp;
    ASSERT_TRUE(readRegularFile(drive("Qvlzantor/Thesaurus.txt"), bytes, &stamp));
    EXPECT_EQ(bytes.size(), 21);
    EXPECT_EQ(stamp.size, 21);
    EXPECT_EQ(regularFileStamp(drive("Qvlzantor/Thesaurus.txt")), stamp);
}

TEST_F(TextFileTest, APipeADeviceOrAFolderIsAMissingFile)
{
    makeSpecialFiles();
    for (const QString& path : specialFiles()) {
        QByteArray bytes("kept");
        QStringList lines{"kept"};
        EXPECT_FALSE(readRegularFile(path, bytes)) << path.toStdString();
        EXPECT_FALSE(readTextFileLines(path, lines)) << path.toStdString();
        EXPECT_FALSE(regularFileStamp(path)) << path.toStdString();
        EXPECT_EQ(bytes, "kept");
        EXPECT_EQ(lines, QStringList{"kept"});
    }
}

TEST_F(TextFileTest, ATextFileRecordNeitherReadsNorWritesAPipe)
{
    makeSpecialFiles();
    TextFileRecord f;
    for (const char* name : {"C:\\Qvlzantor\\pipe.txt", "C:\\Qvlzantor\\folder.txt"}) {
        f.assign(name);
        EXPECT_THROW(f.reset(), FileError) << name;
        EXPECT_THROW(f.append(), FileError) << name;
        EXPECT_THROW(f.rewrite(), FileError) << name;
        EXPECT_FALSE(f.isOpen());
    }
}
