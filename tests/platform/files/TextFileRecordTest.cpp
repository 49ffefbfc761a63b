#include "platform/files/TextFileRecord.h"

#include "ProgramFolderFixture.h"
#include "platform/files/FileOps.h"

using namespace files;

using TextFileRecordTest = ProgramFolderTest;

TEST_F(TextFileRecordTest, WriteAppendAndReadLineByLine)
{
    TextFileRecord f;
    f.assign("C:\\Qvlzantor\\Journal.csv");
    f.rewrite();
    f.writeln("Type;Date");
    f.write("Sortie;");
    f.writeln("08/12/2025 Élève");
    f.close();
    f.append();
    f.writeln("Retour;09/12/2025");
    f.close();
    EXPECT_EQ(fileContent("Qvlzantor/Journal.csv"), "Type;Date\r\nSortie;08/12/2025 \xC9l\xE8ve\r\nRetour;09/12/2025\r\n");

    f.reset();
    QStringList lines;
    while (!f.eof())
        lines << f.readln();
    f.close();
    EXPECT_EQ(lines, QStringList({"Type;Date", "Sortie;08/12/2025 Élève", "Retour;09/12/2025"}));
    // Rewrite empties the file.
    f.rewrite();
    f.close();
    EXPECT_EQ(fileContent("Qvlzantor/Journal.csv"), "");
    f.reset();
    EXPECT_TRUE(f.eof());
}

TEST_F(TextFileRecordTest, MisuseIsAnInputOutputError)
{
    TextFileRecord f;
    f.assign("C:\\Qvlzantor\\absent.txt");
    EXPECT_THROW(f.reset(), FileError);
    EXPECT_THROW(f.append(), FileError);
    EXPECT_FALSE(fileExists("C:\\Qvlzantor\\absent.txt"));
    EXPECT_THROW(f.writeln("x"), FileError);
    f.assign("C:\\Qvlzantor\\dossier absent\\x.txt");
    EXPECT_THROW(f.rewrite(), FileError);
    makeFile("Qvlzantor/lu.txt", "a\r\n");
    f.assign("C:\\Qvlzantor\\lu.txt");
    f.reset();
    EXPECT_THROW(f.writeln("x"), FileError);
    f.close();
    f.rewrite();
    EXPECT_THROW(f.readln(), FileError);
}
