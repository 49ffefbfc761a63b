#include "platform/files/FileOps.h"

#include "ProgramFolderFixture.h"

#include <QFile>
#include <unistd.h>

using namespace files;

using FileOps = ProgramFolderTest;

TEST_F(FileOps, CopyOverwritesUnlessAskedNotTo)
{
    makeFile("Qvlzantor/a.txt", "new");
    makeFile("Qvlzantor/b.txt", "old");
    EXPECT_FALSE(copyFile("C:\\Qvlzantor\\a.txt", "C:\\Qvlzantor\\B.TXT", true));
    EXPECT_EQ(fileContent("Qvlzantor/b.txt"), "old");
    EXPECT_TRUE(copyFile("C:\\Qvlzantor\\A.txt", "C:\\Qvlzantor\\b.txt"));
    EXPECT_EQ(fileContent("Qvlzantor/b.txt"), "new");
    EXPECT_FALSE(copyFile("C:\\Qvlzantor\\missing.txt", "C:\\Qvlzantor\\c.txt"));
    EXPECT_FALSE(fileExists("C:\\Qvlzantor\\c.txt"));
}

TEST_F(FileOps, RenameFailsWhenTargetExists)
{
    makeFile("Qvlzantor/a.txt", "a");
    makeFile("Qvlzantor/b.txt", "b");
    EXPECT_FALSE(renameFile("C:\\Qvlzantor\\a.txt", "C:\\Qvlzantor\\b.txt"));
    EXPECT_EQ(fileContent("Qvlzantor/b.txt"), "b");
    EXPECT_TRUE(renameFile("C:\\Qvlzantor\\a.txt", "C:\\Qvlzantor\\c.txt"));
    EXPECT_FALSE(fileExists("C:\\Qvlzantor\\a.txt"));
    EXPECT_EQ(fileContent("Qvlzantor/c.txt"), "a");
    EXPECT_FALSE(renameFile("C:\\Qvlzantor\\a.txt", "C:\\Qvlzantor\\d.txt"));
}

TEST_F(FileOps, SizesFoldersAndListing)
{
    makeFile("Qvlzantor/Listes/b.csv", "12345");
    makeFile("Qvlzantor/Listes/A.csv");
    makeFile("Qvlzantor/Listes/c.txt");
    EXPECT_EQ(fileSize("C:\\Qvlzantor\\listes\\B.csv"), 5);
    EXPECT_EQ(fileSize("C:\\Qvlzantor\\listes\\none.csv"), -1);
    EXPECT_TRUE(directoryExists("C:\\QVLZANTOR\\LISTES"));
    EXPECT_FALSE(fileExists("C:\\Qvlzantor\\Listes"));
    EXPECT_EQ(listFiles("C:\\Qvlzantor\\Listes", "*.CSV"), QStringList({"A.csv", "b.csv"}));
    EXPECT_TRUE(listFiles("C:\\Qvlzantor\\Absent").isEmpty());
    EXPECT_TRUE(forceDirectories("C:\\Qvlzantor\\x\\y\\z"));
    EXPECT_TRUE(QFileInfo(drive("Qvlzantor/x/y/z")).isDir());
    EXPECT_EQ(listDirectories("C:\\Qvlzantor"), QStringList({"Listes", "x"}));
    EXPECT_TRUE(deleteFile("C:\\Qvlzantor\\Listes\\c.txt"));
    EXPECT_FALSE(deleteFile("C:\\Qvlzantor\\Listes\\c.txt"));
}

TEST_F(FileOps, ReadOnlyFiles)
{
    makeFile("Qvlzantor/r.txt");
    EXPECT_FALSE(isReadOnly("C:\\Qvlzantor\\r.txt"));
    QFile::setPermissions(drive("Qvlzantor/r.txt"), QFileDevice::ReadOwner);
    if (getuid() != 0) {  // root writes anything
        EXPECT_TRUE(isReadOnly("C:\\Qvlzantor\\r.txt"));
    }
    EXPECT_FALSE(isReadOnly("C:\\Qvlzantor\\missing.txt"));
}

TEST_F(FileOps, CopyFolderIntoAnExistingFolderOrAsANewOne)
{
    makeFile("Qvlzantor/livres/Jaquettes/a.jpg", "new");
    makeFile("Qvlzantor/livres/b.txt", "b");
    makeFile("Cible/livres/Jaquettes/a.jpg", "old");
    makeFile("Cible/livres/Jaquettes/keep.jpg", "k");
    // Into an existing folder: merged under the source's own name, files replaced.
    EXPECT_TRUE(copyFolder("C:\\Qvlzantor\\livres", "C:\\Cible"));
    EXPECT_EQ(fileContent("Cible/livres/Jaquettes/a.jpg"), "new");
    EXPECT_EQ(fileContent("Cible/livres/Jaquettes/keep.jpg"), "k");
    EXPECT_EQ(fileContent("Cible/livres/b.txt"), "b");
    // To a folder that does not exist: the copy takes that name, parents created.
    EXPECT_TRUE(copyFolder("C:\\Qvlzantor\\livres\\Jaquettes", "C:\\Page\\livres\\Jaquettes"));
    EXPECT_EQ(fileContent("Page/livres/Jaquettes/a.jpg"), "new");
    EXPECT_FALSE(copyFolder("C:\\Qvlzantor\\absent", "C:\\Cible"));
    EXPECT_FALSE(copyFolder("C:\\Qvlzantor", "C:\\Qvlzantor\\livres"));
}
