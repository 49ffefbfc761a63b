// A library file whose cover, storage-place and borrower names climb out of their folders is
// imported, then every screen and pass that shows, checks, files or deletes those pictures walks
// its rows: no file outside the picture folders is touched.
#include "DriverRun.h"

#include "app/BackupCsvExport.h"
#include "app/DatabaseObjects.h"
#include "platform/db/Connection.h"
#include "platform/files/WindowsPath.h"
#include "platform/text/Windows1252.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

// The files the hostile names point at, relative to the program folder, each with its bytes.
struct DecoyFile {
    const char* path;
    QByteArray bytes;
};

// Rows of Bibliotheque.csv: title, cover name, ISBN, storage place, borrower's surname, first name.
struct HostileBook {
    const char* title;
    const char* cover;
    const char* isbn13;
    const char* place;
    const char* surname;
    const char* firstName;
};

const HostileBook kHostileBooks[] = {
    {"Couverture vers la base", "..\\..\\Test1.bib", "9782070612758", "..\\Fichier.ini", "", ""},
    {"Couverture vers un leurre", "..\\..\\Leurre.bib", "9782070540907", "..\\Leurre.ini", "", ""},
    {"Couverture vers la racine", "..\\..\\..\\Racine.bib", "9791034724525", "C:\\Racine.ini", "..\\..\\EVIL", "Léa"},
    {"Couverture par barre", "../../Leurre.bib", "9782081234567", "../Leurre.ini", "", ""},
};

QByteArray libraryFile()
{
    QString text = app::backupCsvHeader() + QStringLiteral("\r\n");
    for (const HostileBook& b : kHostileBooks) {
        const bool lent = *b.surname != 0;
        const QStringList values{QString::fromUtf8(b.title), QStringLiteral("Auteur"), QStringLiteral("Editeur"),
                                 QString(), QString(), QStringLiteral("LIVRE"), QStringLiteral("ROMAN"),
                                 QStringLiteral("Vrai"), QStringLiteral("1"), QString::fromUtf8(b.cover),
                                 QString::fromLatin1(b.isbn13), QStringLiteral("32"), QStringLiteral("2001"), QString(),
                                 QStringLiteral("Faux"), QString::fromUtf8(b.surname), QString::fromUtf8(b.firstName),
                                 lent ? QStringLiteral("CM1") : QString(), lent ? QStringLiteral("1") : QStringLiteral("0"),
                                 QStringLiteral("Vrai"), QString::fromUtf8(b.place), QString(), QString(), QString(),
                                 QString(), QStringLiteral("fr")};
        text += values.join(u';') + QStringLiteral("\r\n");
    }
    return text::encodeWindows1252(text);
}

void addOtherMediaItem(const ProgramFolder& program)
{
    files::setProgramFolder(program.folder());
    db::Connection connection(app::buildConnectionString(files::appDir()),
                              [](const QString& p) { return files::nativePath(p); });
    connection.execute(QStringLiteral(
        "Insert into Table1 (Titre,Type,Isbn13,numlivre,NbrExemplaire,MaxExemplaire,Images,LieuRangement) "
        "Values ('Disque piégé','CD','ABC123',900,1,True,'..\\..\\Leurre2.bib','..\\Leurre2.ini')"));
}

}  // namespace

TEST(FileNamesFromDataScenario, NamesThatClimbOutOfTheirFoldersTouchNoFile)
{
    ProgramFolder program;
    addOtherMediaItem(program);
    const std::vector<DecoyFile> decoys = {
        {"Leurre.bib", "pas une image"},
        {"Leurre.ini", "[Leurre]\r\n"}, {"Leurre2.bib", "pas une image 2"}, {"Leurre2.ini", "[Leurre2]\r\n"},
        {"../Racine.bib", "racine"}, {"../Racine.ini", "racine ini"}, {"../EVIL_Léa.jpg", "pas une photo"}};
    for (const DecoyFile& d : decoys)
        program.write(QString::fromUtf8(d.path), d.bytes);
    program.write(QStringLiteral("Bibliotheque.csv"), libraryFile());

    const DriverResult run = play(program, logInScript() + QStringLiteral(
        "answer OK\nanswer OK\nanswer OK\nanswer OK\nanswer %1\nanswer OK\nanswer OK\n"
        "menu Outils > Importer une bibliothèque\n"
        // The book screen and its Compléments tab, walked every way.
        "menu Livres > Nouveaux livres\n"
        "tab TabSheet2\n"
        "click SpeedButton6\nclick SpeedButton16\nclick SpeedButton16\nclick SpeedButton15\n"
        "click SpeedButton5\nanswer OK\nclick SpeedButton14\nanswer OK\nclick SpeedButton13\n"
        "click Image22\n"
        "tab TabSheet1\n"
        // The check of the covers folder.
        "answer OK\nanswer OK\n"
        "menu Outils > Vérif_Images\n"
        // The lent copy comes back: its borrower's photo, its storage place, its cover filed.
        "click ToolButton2\n"
        "scan 9791034724525\n"
        "key enter\n"
        // The other medium is shown and deleted from its grid.
        "menu Autres_supports > Nouvelle entrée\n"
        "tab TabSheet5\n"
        "tab TabSheet6\n"
        "answer OK\n"
        "click Button37\n"
        "quit\n").arg(program.folder(QStringLiteral("Bibliotheque.csv"))));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_TRUE(run.joined().contains(QStringLiteral("4 livre(s) ajouté(s), 0 ligne(s) ignorée(s)")))
        << run.joined().toStdString();
    EXPECT_EQ(run.lines.filter(QStringLiteral("error:")), QStringList()) << run.joined().toStdString();

    for (const DecoyFile& d : decoys)
        EXPECT_EQ(program.read(QString::fromUtf8(d.path)), d.bytes) << d.path;
    // The database and the settings are still there, the copies still name what they named.
    EXPECT_TRUE(program.exists(QStringLiteral("Qvlzantor/Test1.bib")));
    EXPECT_FALSE(program.read(QStringLiteral("Fichier.ini")).isEmpty());
    QStringList covers;
    for (const HostileBook& b : kHostileBooks)
        covers << QString::fromUtf8(b.cover);
    EXPECT_EQ(storedColumn(program, QStringLiteral("SELECT * FROM Table1 WHERE Type = 'LIVRE' ORDER BY NumLivre"),
                           QStringLiteral("Images")),
              covers);
    EXPECT_EQ(storedColumn(program, QStringLiteral("SELECT * FROM Table1 WHERE Isbn13 = '9791034724525'"),
                           QStringLiteral("EmpNom")),
              QStringList{QString()})
        << "the lent copy came back";
    EXPECT_TRUE(storedColumn(program, QStringLiteral("SELECT * FROM Table1 WHERE Type <> 'LIVRE'"),
                             QStringLiteral("Titre"))
                    .isEmpty());
}
