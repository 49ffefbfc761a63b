// The start of a school year: the pupils of the national pupil-base export come into the
// borrowers table in each of the three modes, and a simple text file of borrowers.
#include "DriverRun.h"

#include "app/DatabaseObjects.h"
#include "platform/db/Connection.h"
#include "platform/files/WindowsPath.h"
#include "platform/text/PascalText.h"
#include "platform/text/Windows1252.h"

#include <gtest/gtest.h>

namespace {

struct SchoolPupil {
    QString surname;
    QString firstName;
    QString className;
};

const QStringList kSurnames = {
    "MARTIN", "BERNARD", "THOMAS", "PETIT", "ROBERT", "RICHARD", "DURAND", "DUBOIS", "MOREAU", "LAURENT",
    "SIMON", "MICHEL", "LEFÈVRE", "LEROY", "ROUX", "DAVID", "BERTRAND", "MOREL", "FOURNIER", "GÉRARD",
    "BONNET", "DUPONT", "LAMBERT", "FONTAINE", "ROUSSEAU", "VINCENT", "MULLER", "FAURE", "ANDRÉ", "MERCIER"};
const QStringList kFirstNames = {"Léa", "Hugo", "Chloé", "Lucas", "Zoé", "Noël", "Inès", "Jules", "Cécile", "Théo",
                                 "Anaïs", "Louis", "Maëlle", "Gabriel", "Éloïse", "Arthur", "Jade", "Raphaël",
                                 "Manon", "Adam"};
const QStringList kClasses = {"CP A", "CP B", "CE1 A", "CE1 B", "CE2 A", "CE2 B", "CM1 A", "CM1 B", "CM2 A", "CM2 B"};

// 600 pupils, each of a surname and first name of its own.
QList<SchoolPupil> schoolOf600()
{
    QList<SchoolPupil> pupils;
    for (int i = 0; i < 600; ++i)
        pupils << SchoolPupil{kSurnames[i % 30], kFirstNames[i / 30], kClasses[(i / 7) % kClasses.size()]};
    return pupils;
}

// The export as the national base writes it: Windows-1252, CR LF, quoted fields each followed by
// ";", the three columns among others.
QByteArray exportOf(const QList<SchoolPupil>& pupils)
{
    QString text = QStringLiteral("\"INE\";\"Nom élève\";\"Prénom élève\";\"Date naissance\";\"Sexe\";"
                                  "\"Libellé classe\";\"Niveau\";\r\n");
    for (int i = 0; i < pupils.size(); ++i)
        text += QStringLiteral("\"%1\";\"%2\";\"%3\";\"01/09/2017\";\"F\";\"%4\";\"%5\";\r\n")
                    .arg(QString::number(100000 + i), pupils[i].surname, pupils[i].firstName, pupils[i].className,
                         pupils[i].className.left(3));
    return text::encodeWindows1252(text);
}

QStringList expectedRows(const QList<SchoolPupil>& pupils, int firstNumber, const QString& mark = {})
{
    QStringList rows;
    for (int i = 0; i < pupils.size(); ++i)
        rows << QStringLiteral("%1|%2|%3|%4|%5").arg(firstNumber + i).arg(pupils[i].surname, pupils[i].firstName,
                                                                          pupils[i].className, mark);
    return rows;
}

QStringList storedBorrowers(const ProgramFolder& program)
{
    return databaseRows(program, QStringLiteral("Select * From Emprunteurs ORDER BY NumEmprunteur"),
                        {"NumEmprunteur", "EmpNom", "EmpPrenom", "Classe", "NumINE"});
}

// The statements with values first, then the plain ones.
void executeStatements(const ProgramFolder& program, const QStringList& statements,
                       const std::vector<db::Command>& withValues = {})
{
    files::setProgramFolder(program.folder());
    db::Connection connection(app::buildConnectionString(files::appDir()),
                              [](const QString& p) { return files::nativePath(p); });
    for (const db::Command& c : withValues)
        connection.execute(c.sql, c.params);
    for (const QString& s : statements)
        connection.execute(s);
}

QString importScript(const QString& radio, const QString& file, const QStringList& answersBeforeFile,
                     int answersAfterFile)
{
    QString script = logInScript() + QStringLiteral("menu Emprunteurs > Importer Onde\nclick %1\n").arg(radio);
    for (const QString& a : answersBeforeFile)
        script += QStringLiteral("answer %1\n").arg(a);
    script += QStringLiteral("answer %1\n").arg(file);
    script += QStringLiteral("answer OK\n").repeated(answersAfterFile);
    return script + QStringLiteral("click Button14\n");
}

TEST(PupilImportScenario, ContinuingModeAddsEveryPupilAfterTheNumbersGiven)
{
    ProgramFolder program;
    program.write(QStringLiteral("CSVExtraction.csv"), exportOf(schoolOf600()));
    executeStatements(program, {"Insert into Emprunteurs (EmpNom,EmpPrenom,Classe) Values ('ANCIEN','Paul','CM2')",
                      "DELETE FROM Emprunteurs"});
    const DriverResult run = play(program, importScript("RadioButton1", program.folder("CSVExtraction.csv"), {"OK"}, 2));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_EQ(run.lines.filter("error:").size(), 0) << run.joined().toStdString();
    EXPECT_TRUE(run.lines.filter(QStringLiteral("dialog:")).last().contains(QStringLiteral("Élèves ajoutés : 600"))) << run.joined().toStdString();
    EXPECT_EQ(storedBorrowers(program), expectedRows(schoolOf600(), 2));
}

// Old spreadsheets end their lines with CR alone; a NUL or a tab inside a name is a blank.
TEST(PupilImportScenario, EveryLineEndAndControlCharactersInNamesImport)
{
    const QList<SchoolPupil> pupils{{"MARTIN", QStringLiteral("Léa") + QChar(0) + QStringLiteral("Rose"), "CP A"},
                                    {"DU\tPONT", "Hugo", "CM1 B"}};
    const QList<SchoolPupil> stored{{"MARTIN", "Léa Rose", "CP A"}, {"DU PONT", "Hugo", "CM1 B"}};
    for (const char* lineEnd : {"\r", "\n", "\r\n"}) {
        ProgramFolder program;
        QByteArray file = exportOf(pupils);
        file.replace("\r\n", lineEnd);
        program.write(QStringLiteral("CSVExtraction.csv"), file);
        const DriverResult run =
            play(program, importScript("RadioButton1", program.folder("CSVExtraction.csv"), {"OK"}, 2));
        ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
        EXPECT_TRUE(run.lines.filter(QStringLiteral("dialog:")).last().contains(QStringLiteral("Élèves ajoutés : 2")))
            << run.joined().toStdString();
        EXPECT_EQ(storedBorrowers(program), expectedRows(stored, 1)) << QByteArray(lineEnd).toHex().toStdString();
    }
}

TEST(PupilImportScenario, RestartingModeNumbersFromOneAfterRecordingTheBooks)
{
    ProgramFolder program;
    program.write(QStringLiteral("CSVExtraction.csv"), exportOf(schoolOf600()));
    executeStatements(program, {"Insert into Emprunteurs (EmpNom,EmpPrenom,Classe) Values ('A','Paul','CM2')",
                      "Insert into Emprunteurs (EmpNom,EmpPrenom,Classe) Values ('B','Rose','CM2')",
                      "Insert into Table1 (Titre,Isbn13,Type) Values ('Le Petit Prince','9782070612758','LIVRE')"});
    const DriverResult run =
        play(program, importScript("RadioButton2", program.folder("CSVExtraction.csv"), {"OK", "OK"}, 2));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_EQ(run.lines.filter("error:").size(), 0) << run.joined().toStdString();
    EXPECT_EQ(storedBorrowers(program), expectedRows(schoolOf600(), 1));
    EXPECT_EQ(storedColumn(program, "Select * From Table1", "Titre"), QStringList{"Le Petit Prince"});
    EXPECT_TRUE(program.read("Bibliotheque2.csv").contains("\r\n1;Le Petit Prince;"));
}

TEST(PupilImportScenario, RestartingModeIsRefusedWithMoreThanTwoBorrowers)
{
    ProgramFolder program;
    executeStatements(program, {"Insert into Emprunteurs (EmpNom) Values ('A')", "Insert into Emprunteurs (EmpNom) Values ('B')",
                      "Insert into Emprunteurs (EmpNom) Values ('C')"});
    const DriverResult run = play(program, logInScript() + QStringLiteral(
        "menu Emprunteurs > Importer Onde\nclick RadioButton2\nanswer OK\nanswer OK\nanswer OK\nclick Button14\n"));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_EQ(storedBorrowers(program).size(), 3);
    EXPECT_FALSE(program.exists("Qvlzantor/Bibliotheque2.csv"));
}

TEST(PupilImportScenario, UpdatingModeKeepsTheSchoolInStep)
{
    ProgramFolder program;
    const QList<SchoolPupil> lastYear = schoolOf600();
    std::vector<db::Command> pupils;
    for (const SchoolPupil& p : lastYear)
        pupils.push_back({QStringLiteral("Insert into Emprunteurs (EmpNom,EmpPrenom,Classe) Values (?,?,?)"),
                          {p.surname, p.firstName, p.className}});
    QStringList setUp;
    // SchoolPupil 1 (number 1) has left but still holds a book.
    setUp << "Insert into Table1 (Titre,Type,EmpNom,EmpPrenom,EmpClasse,NumEmprunteur,DateRetour) "
             "Values ('Babar','LIVRE','MARTIN','Léa','CP A',1,'01/12/2025')";
    executeStatements(program, setUp, pupils);

    // This year: the first 20 have left, 15 have changed class, 30 are new.
    QList<SchoolPupil> thisYear = lastYear.mid(20);
    for (int i = 0; i < 15; ++i)
        thisYear[i * 10].className = QStringLiteral("CM2 C");
    for (int i = 0; i < 30; ++i)
        thisYear << SchoolPupil{QStringLiteral("NOUVEAU%1").arg(i), QStringLiteral("Élève"), QStringLiteral("CP C")};
    program.write(QStringLiteral("CSVExtraction.csv"), exportOf(thisYear));

    const DriverResult run =
        play(program, importScript("RadioButton5", program.folder("CSVExtraction.csv"), {"OK", "OK"}, 1));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_EQ(run.lines.filter("error:").size(), 0) << run.joined().toStdString();
    EXPECT_TRUE(run.lines.filter(QStringLiteral("dialog:")).last().contains(QStringLiteral("Partis mais gardés, des livres sont encore prêtés à leur nom : "
                                                         "MARTIN Léa (CP A)")))
        << run.joined().toStdString();

    QStringList expected{QStringLiteral("1|MARTIN|Léa|CP A|")};
    expected << expectedRows(thisYear.mid(0, 580), 21);
    expected << expectedRows(thisYear.mid(580), 601, QStringLiteral("0"));
    EXPECT_EQ(storedBorrowers(program), expected);
}

TEST(PupilImportScenario, TheTextFileAddsBorrowersWithSchoolAndMail)
{
    ProgramFolder program;
    program.write(QStringLiteral("emprunteurs.txt"),
                  text::encodeWindows1252(QStringLiteral("Nom;Prénom;Classe;Etablissement;Mail\r\n"
                                                         "Lefèvre;Zoé;CM1;École Jean Moulin;zoe@example.org\r\n"
                                                         "\r\n"
                                                         "roux;Anna;CE1;École Jean Moulin;tuteur;anna@example.org\r\n")));
    const DriverResult run = play(program, logInScript() + QStringLiteral(
        "answer OK\nanswer %1\nanswer OK\nmenu Emprunteurs > Importer Emprunteur .TXT\n").arg(program.folder("emprunteurs.txt")));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_EQ(databaseRows(program, "Select * From Emprunteurs ORDER BY NumEmprunteur",
                           {"NumEmprunteur", "EmpNom", "EmpPrenom", "Classe", "Etablissement", "Mail"}),
              (QStringList{"1|LEFèVRE|Zoé|CM1|École Jean Moulin|zoe@example.org",
                           "2|ROUX|Anna|CE1|École Jean Moulin|anna@example.org"}));
}

}  // namespace
