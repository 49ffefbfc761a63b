#include "ProgramFolderFixture.h"

using namespace files;

using WindowsPath = ProgramFolderTest;

TEST_F(WindowsPath, ProgramFolderIsSeenOnDriveC)
{
    EXPECT_EQ(appDir(), "C:\\Qvlzantor\\");
    EXPECT_EQ(appDrive(), "C:\\");
    EXPECT_EQ(nativePath(appDir() + "Test1.bib"), drive("Qvlzantor/Test1.bib"));
    EXPECT_EQ(nativePath("C:\\Sauvegardes_journalieres\\"), drive("Sauvegardes_journalieres/"));
    EXPECT_EQ(windowsPath(drive("Qvlzantor/livres")), "C:\\Qvlzantor\\livres");
}

TEST_F(WindowsPath, CaseVariantsOfOneFolderResolveToOnePlace)
{
    makeFile("Qvlzantor/livres/Jaquettes/a.jpg");
    const QString expected = drive("Qvlzantor/livres/Jaquettes/a.jpg");
    for (const QString& spelling : QStringList{"C:\\Qvlzantor\\livres\\Jaquettes\\a.jpg", "C:\\qvlzantor\\Livres\\jaquettes\\A.JPG",
                                    "c:/QVLZANTOR/LIVRES/JAQUETTES/a.jpg", "\\Qvlzantor\\livres\\\\Jaquettes\\.\\a.jpg"})
        EXPECT_EQ(nativePath(spelling), expected) << spelling.toStdString();
    // A component that does not exist yet keeps the spelling given.
    EXPECT_EQ(nativePath("C:\\QVLZANTOR\\Nouveau\\B.txt"), drive("Qvlzantor/Nouveau/B.txt"));
}

TEST_F(WindowsPath, ExactSpellingWinsOverACaseTwin)
{
    makeFile("Qvlzantor/x/a.txt");
    makeFile("Qvlzantor/X/a.txt");
    EXPECT_EQ(nativePath("C:\\Qvlzantor\\X\\a.txt"), drive("Qvlzantor/X/a.txt"));
    EXPECT_EQ(nativePath("C:\\Qvlzantor\\x\\a.txt"), drive("Qvlzantor/x/a.txt"));
}

// Names that do not exist are answered from an index of their folder: what anyone creates,
// renames or deletes there afterwards must be seen at the next look-up.
TEST_F(WindowsPath, ChangesToAFolderAreSeenAtTheNextLookUp)
{
    makeFile("Qvlzantor/Jaquettes/old.jpg");
    const QString asked = "C:\\Qvlzantor\\Jaquettes\\COVER.JPG";
    EXPECT_EQ(nativePath(asked), drive("Qvlzantor/Jaquettes/COVER.JPG"));

    makeFile("Qvlzantor/Jaquettes/Cover.jpg");
    EXPECT_EQ(nativePath(asked), drive("Qvlzantor/Jaquettes/Cover.jpg"));

    ASSERT_TRUE(QFile::rename(drive("Qvlzantor/Jaquettes/Cover.jpg"), drive("Qvlzantor/Jaquettes/cover.jpg")));
    EXPECT_EQ(nativePath(asked), drive("Qvlzantor/Jaquettes/cover.jpg"));

    ASSERT_TRUE(QFile::remove(drive("Qvlzantor/Jaquettes/cover.jpg")));
    EXPECT_EQ(nativePath(asked), drive("Qvlzantor/Jaquettes/COVER.JPG"));

    // Another folder under the same path is listed anew.
    ASSERT_TRUE(QDir(drive("Qvlzantor/Jaquettes")).removeRecursively());
    makeFile("Qvlzantor/Jaquettes/cOvEr.jpg");
    EXPECT_EQ(nativePath(asked), drive("Qvlzantor/Jaquettes/cOvEr.jpg"));
}

TEST_F(WindowsPath, EscapingTheRootIsRefused)
{
    EXPECT_EQ(nativePath("C:\\Qvlzantor\\livres\\..\\Test1.bib"), drive("Qvlzantor/Test1.bib"));
    for (const QString& bad : QStringList{"C:\\..\\etc\\passwd", "C:\\Qvlzantor\\..\\..\\x", "\\..\\x", "D:\\x.txt"})
        EXPECT_THROW(nativePath(bad), PathError) << bad.toStdString();
}

TEST_F(WindowsPath, NativeAndZDrivePathsPassThrough)
{
    EXPECT_EQ(nativePath("/tmp/a b/c.csv"), "/tmp/a b/c.csv");
    EXPECT_EQ(nativePath("Z:\\tmp\\c.csv"), "/tmp/c.csv");
    EXPECT_EQ(windowsPath("/tmp/c.csv").startsWith("Z:\\") || windowsPath("/tmp/c.csv").startsWith("C:\\"), true);
    EXPECT_EQ(nativePath(windowsPath("/tmp/c.csv")), "/tmp/c.csv");
}

TEST(WindowsPathNames, ExtractParts)
{
    struct Case { QString path, folder, name, ext; };
    const Case cases[] = {
        {"C:\\Qvl\\livres\\a.b.jpg", "C:\\Qvl\\livres\\", "a.b.jpg", ".jpg"},
        {"C:\\Qvl\\", "C:\\Qvl\\", "", ""},
        {"C:a.txt", "C:", "a.txt", ".txt"},
        {"noext", "", "noext", ""},
        {"x/y.csv", "x/", "y.csv", ".csv"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(extractFilePath(c.path), c.folder);
        EXPECT_EQ(extractFileName(c.path), c.name);
        EXPECT_EQ(extractFileExt(c.path), c.ext);
    }
}
