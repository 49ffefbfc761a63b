#include "platform/files/FolderFileName.h"

#include "ProgramFolderFixture.h"

using namespace files;

TEST(FolderFileName, ANameFromDataIsAFileOfItsFolderOrNoFile)
{
    // Dots within a name stay in the folder: a pupil "J." has the photo "DUPONT_J..jpg".
    for (const char* name : {"9782070612758.jpg", "No_picture.jpg", "Étagère B.jpg", "LEF\xc3\xa8VRE_L\xc3\xa9\x61.jpg",
                             "a.b.c", ".jpg", "Test1.bib", "DUPONT_J..jpg", "a..b.jpg", "...", "..jpg", ".._x.jpg",
                             "x.."})
        EXPECT_EQ(folderFileName(QString::fromUtf8(name)), QString::fromUtf8(name)) << name;
    for (const char* name : {"", ".", "..", "..\\..\\Test1.bib", "..\\Fichier.ini", "../../EVIL_x.jpg", "a/b.jpg",
                             "a\\b.jpg", "\\Test1.bib", "C:Test1.bib", "Z:\\etc\\passwd", "../", "..\\", "a\tb.jpg",
                             "a\x7f.jpg", "a\xc2\x85.jpg"})
        EXPECT_TRUE(folderFileName(QString::fromUtf8(name)).isEmpty()) << name;
    EXPECT_TRUE(folderFileName(QStringLiteral("a") + QChar(0) + QStringLiteral(".jpg")).isEmpty());
}

using FolderFiles = ProgramFolderTest;

TEST_F(FolderFiles, OnlyAFileOfTheFolderIsFound)
{
    makeFile("Qvlzantor/Test1.bib", "base");
    makeFile("Qvlzantor/livres/Jaquettes/a.jpg", "cover");
    makeFile("Qvlzantor/livres/Jaquettes/..jpg", "dots");
    const QString covers = QStringLiteral("C:\\Qvlzantor\\livres\\Jaquettes\\");
    EXPECT_EQ(folderFilePath(covers, QStringLiteral("a.jpg")), covers + QStringLiteral("a.jpg"));
    EXPECT_TRUE(folderFileExists(covers, QStringLiteral("A.JPG")));
    EXPECT_TRUE(folderFilePath(covers, QStringLiteral("..\\..\\Test1.bib")).isEmpty());
    EXPECT_FALSE(folderFileExists(covers, QStringLiteral("..\\..\\Test1.bib")));
    EXPECT_FALSE(folderFileExists(covers, QString()));
    // A name starting with ".." is a file of the folder, never its parent.
    EXPECT_TRUE(folderFileExists(covers, QStringLiteral("..jpg")));
    EXPECT_FALSE(folderFileExists(covers, QStringLiteral("..")));
}
