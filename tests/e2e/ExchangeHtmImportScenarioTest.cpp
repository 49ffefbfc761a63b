// A catalogue kept in the other school-library program comes in from its HTM export: records
// become books, records without title or code are refused, the markup around them is passed
// over, and the closing message says how many books were added and how many records refused.
#include "DriverRun.h"

#include "platform/text/Windows1252.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

// One record a line, its 14 values between tildes: title, author, publisher, descriptors,
// ISBN-10, type, genre, ISBN, pages, date, copies, summary, price, copy number.
QString htmRecord(const QStringList& values)
{
    QString line = QStringLiteral("<TR>");
    for (const QString& v : values)
        line += QStringLiteral("<TD>~") + v + QStringLiteral("~</TD>");
    return line + QStringLiteral("</TR>\r\n");
}

QByteArray htmExport()
{
    QString text = QStringLiteral("<HTML><HEAD><TITLE>Export</TITLE></HEAD>\r\n<BODY><TABLE BORDER=\"1\">\r\n");
    text += htmRecord({"Le loup \"gris\"", "Dupré", "Gallimard", "conte/loup", "2070540901", "Livre", "ALBUM",
                       "9782070540907", "32", "2001", "1", "Un loup.", "12", "41"});
    // A NUL and a tab inside a value are blanks.
    text += htmRecord({QStringLiteral("Revue des") + QChar(0) + QStringLiteral("élèves"), "Col\tlectif", "", "", "",
                       "périodique", "", "", "20", "2024", "1", "", "", "42"});
    text += htmRecord({"", "Sans titre", "", "", "", "LIVRE", "", "9782070540907", "", "", "", "", "", "43"});
    text += htmRecord({"Sans code", "X", "", "", "", "LIVRE", "", "", "", "", "", "", "", ""});
    text += QStringLiteral("</TABLE></BODY></HTML>\r\n");
    return text::encodeWindows1252(text);
}

QString htmImportScript(const QString& file)
{
    return logInScript() + QStringLiteral("answer OK\nmenu Outils > Importer une Bibliothèque de Bcdi3\n"
                                          "answer OK\nanswer OK\nanswer %1\nanswer OK\nclick Button1\n")
                               .arg(file);
}

TEST(ExchangeHtmImportScenario, RecordsBecomeBooksAndRefusedRecordsAreCounted)
{
    ProgramFolder program;
    program.write(QStringLiteral("export.HTM"), htmExport());
    const DriverResult run = play(program, htmImportScript(program.folder("export.HTM")));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_EQ(run.lines.filter("error:").size(), 0) << run.joined().toStdString();
    EXPECT_EQ(run.lines.filter("open:").size(), 1);
    EXPECT_TRUE(run.joined().contains(QStringLiteral("2 livre(s) ajouté(s), 2 ligne(s) ignorée(s)"))) << run.joined().toStdString();
    EXPECT_EQ(databaseRows(program, "Select * From Table1 ORDER BY numlivre",
                           {"Titre", "Auteur", "Type", "Mot_cle", "Descripteur", "Isbn13", "Images", "Genre", "NbrExemplaire", "MaxExemplaire"})
                  .join(u'\n')
                  .toStdString(),
              "Le loup  gris|Dupré|LIVRE||CONTE.LOUP|9782070540907|9782070540907.jpg|ALBUM|1|Vrai\n"
              "Revue des élèves|Col lectif|LIVRE|PéRIODIQUE||00042|||1|Vrai");
}

// The command opened a guide the program folder did not hold.
TEST(ExchangeHtmImportScenario, TheCommandOpensTheDeliveredGuideInFrench)
{
    ProgramFolder program;
    const DriverResult run =
        play(program, logInScript() + QStringLiteral("answer OK\nmenu Outils > Importer une Bibliothèque de Bcdi3\n"));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    const QString guide = program.folder("Import_Export/Import_BCDi3_QvlZantor.pdf");
    EXPECT_TRUE(run.has("open: " + guide)) << run.joined().toStdString();
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), guide, QStringLiteral("-")});
    ASSERT_TRUE(pdftotext.waitForFinished(30'000));
    ASSERT_EQ(pdftotext.exitCode(), 0) << pdftotext.readAllStandardError().toStdString();
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
    for (const char* words : {"Importer un catalogue BCDi3 dans QvlZantor", "Importer une Bibliothèque de Bcdi3",
                              "Conserver les N° ISBN13 quand ils existent", "Conserver les N° Bcdi3 d'origine",
                              "Démarrer l'importation", "le numéro d'exemplaire de BCDi3"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(words))) << words << "\n" << text.toStdString();
}

TEST(ExchangeHtmImportScenario, AFileWithoutRecordsAddsNothing)
{
    ProgramFolder program;
    program.write(QStringLiteral("vide.HTM"), QByteArray());
    const DriverResult run = play(program, htmImportScript(program.folder("vide.HTM")));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_TRUE(run.joined().contains(QStringLiteral("0 livre(s) ajouté(s), 0 ligne(s) ignorée(s)"))) << run.joined().toStdString();
    EXPECT_TRUE(storedColumn(program, "Select * From Table1", "Titre").isEmpty());
}

}  // namespace
