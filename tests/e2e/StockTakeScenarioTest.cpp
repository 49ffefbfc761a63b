// The yearly stock-take as a school runs it: 150 of 200 copies scanned (titles with several
// copies, copies out on loan, some labels scanned twice), then the list of the copies not found,
// their export with copy number 0 and their deletion; and a stock-take of one genre, suspended
// and resumed another time with its counters.
#include "DriverRun.h"

#include "app/DatabaseObjects.h"
#include "platform/db/BulkScope.h"
#include "platform/db/Connection.h"
#include "platform/files/WindowsPath.h"
#include "platform/text/DateText.h"
#include "platform/text/PascalText.h"
#include "platform/text/Windows1252.h"

#include <QDate>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const QString kPassword = QStringLiteral("clef");

// The ISBN-13 of a title of the fixture, with its check digit.
QString isbn(int title)
{
    const QString body = QStringLiteral("978207%1").arg(title, 6, 10, QLatin1Char('0'));
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += body[i].digitValue() * (i % 2 ? 3 : 1);
    return body + QString::number((10 - sum % 10) % 10);
}

struct Copy {
    int title;
    int number;
    QString genre;
    bool lent;
};

// The program folder after a first run, with an administrator password and the copies given.
void prepare(const ProgramFolder& program, const std::vector<Copy>& copies)
{
    ASSERT_EQ(play(program, logInScript()).exitCode, 0);
    QString settings = text::decodeWindows1252(program.read(QStringLiteral("Fichier.ini")));
    settings.replace(QStringLiteral("MDP_Administrateur=\r\n"), QStringLiteral("MDP_Administrateur=") + kPassword + "\r\n");
    program.write(QStringLiteral("Fichier.ini"), text::encodeWindows1252(settings));
    files::setProgramFolder(program.folder());
    db::Connection c(app::buildConnectionString(files::appDir()), [](const QString& p) { return files::nativePath(p); });
    db::BulkScope bulk(c);
    for (const Copy& copy : copies)
        c.execute(QStringLiteral("Insert into Table1 (Isbn13, Titre, Auteur, Type, Genre, NbrExemplaire, "
                                 "MaxExemplaire, EmpNom, DateEmprunt) Values (?, ?, 'Auteur; du~livre', 'LIVRE', "
                                 "?, ?, True, ?, '01/09/2025')"),
                  {isbn(copy.title), QStringLiteral("Titre %1").arg(copy.title), copy.genre, copy.number,
                   copy.lent ? QStringLiteral("DUPONT") : QString()});
}

QString logIn()
{
    return QStringLiteral("answer Cancel\nwait 10\nanswer %1\nanswer Terminer\nmenu Fichier > Administrateur\n").arg(kPassword);
}

QString openStockTake()
{
    return QStringLiteral("answer Terminer\nanswer OK\nmenu Outils > Inventaire complet et inventaire partiel\n");
}

// The password, then OK to each of the step's dialogs.
QString endingStep(const char* button, int dialogs)
{
    return QStringLiteral("answer %1\n").arg(kPassword) + QStringLiteral("answer OK\n").repeated(dialogs) +
           QStringLiteral("click %1\n").arg(QString::fromLatin1(button));
}

QString scans(const QList<int>& titles)
{
    QString script;
    for (int title : titles)
        script += QStringLiteral("click Edit1\nscan %1\n").arg(isbn(title));
    return script;
}

QString stockTakeToday() { return text::shortDateText(QDate::currentDate()); }

QStringList fileLines(const ProgramFolder& program, const QString& name)
{
    QStringList lines = text::decodeWindows1252(program.read(name)).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

}  // namespace

TEST(StockTakeScenario, AfterScanningThe150CopiesFoundTheOtherSchoolCopiesAreListedExportedAndDeleted)
{
    // Titles 0 to 49 have three copies (the first one of every fifth out on loan), titles 50 to 99
    // one copy (those of titles 50 to 59 out on loan).
    std::vector<Copy> copies;
    for (int t = 0; t < 100; ++t) {
        const QString genre = t % 2 ? QStringLiteral("Conte") : QStringLiteral("Roman");
        for (int n = 1; n <= (t < 50 ? 3 : 1); ++n)
            copies.push_back({t, n, genre, (t < 50 && n == 1 && t % 5 == 0) || (t >= 50 && t < 60)});
    }
    ASSERT_EQ(copies.size(), 200u);
    ProgramFolder program;
    prepare(program, copies);
    const QByteArray journalBefore = program.read(QStringLiteral("Journal.csv"));

    // Titles 0 to 39 three times, 40 to 49 twice (the copies on the shelf go first), the lent
    // copies of titles 50 to 54, titles 60 to 64 twice (the second time finds nothing to mark).
    QList<int> found;
    QString script = logIn() + openStockTake() + QStringLiteral("answer %1\nanswer OK\nclick SpeedButton52\n").arg(kPassword);
    for (int t = 0; t < 50; ++t)
        found << t << t << (t < 40 ? QList<int>{t} : QList<int>{});
    for (int t = 50; t < 55; ++t)
        found << t;
    script += scans(found);
    for (int t = 60; t < 65; ++t)
        script += scans({t}) + QStringLiteral("answer OK\n") + scans({t});
    script += QStringLiteral("expect-text Edit147 150\nexpect-text Edit148 50\n");
    script += endingStep("SpeedButton31", 6) + openStockTake() + endingStep("SpeedButton50", 6) +
              openStockTake() + endingStep("SpeedButton53", 2);
    const DriverResult run = play(program, script);
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_TRUE(run.has(QStringLiteral("open: ") + program.folder(QStringLiteral("Inventaire_Annuel_.html"))))
        << run.joined().toStdString();

    // Missing: the third copy of titles 40 to 49 (for 40 and 45 the first one, out on loan,
    // counts as there), and the single copies of titles 65 to 99.
    QStringList listed;
    QStringList exported;
    int numLivre = 0;
    for (const Copy& copy : copies) {
        ++numLivre;
        const bool missing =
            (copy.title >= 40 && copy.title < 50 && copy.title % 5 != 0 && copy.number == 3) || copy.title >= 65;
        if (!missing)
            continue;
        listed << QStringLiteral("%1;Titre %2;'%3;Auteur; du~livre;").arg(numLivre).arg(copy.title).arg(isbn(copy.title));
        // Start-up names each cover after its code.
        exported << QStringLiteral("Titre %1;Auteur/ du livre;;;;LIVRE;%2;Vrai;%3;%4.jpg;%4;")
                        .arg(copy.title)
                        .arg(copy.genre)
                        .arg(copy.number)
                        .arg(isbn(copy.title));
    }
    ASSERT_EQ(listed.size(), 43);
    EXPECT_EQ(fileLines(program, QStringLiteral("Inventaire_Annuel_.csv")), listed);
    const QString page = text::decodeWindows1252(program.read(QStringLiteral("Inventaire_Annuel_.html")));
    EXPECT_EQ(page.count(QStringLiteral("<tr>")), 43);
    const QStringList library = fileLines(program, QStringLiteral("Bibliotheque.csv"));
    ASSERT_EQ(library.size(), 44);
    for (int i = 0; i < 43; ++i) {
        EXPECT_TRUE(library[i + 1].startsWith(exported[i])) << library[i + 1].toStdString();
        EXPECT_EQ(library[i + 1].count(u';'), 25) << library[i + 1].toStdString();
    }
    EXPECT_EQ(fileLines(program, QStringLiteral("Inventaire.txt")),
              (QStringList{"Inventaire terminé", stockTakeToday(), " Complet", "150", "50"}));

    const QStringList left = databaseRows(program, QStringLiteral("SELECT * FROM Table1 ORDER BY NumLivre"),
                                          {"NbrExemplaire", "DateEmprunt", "EmpNom"});
    EXPECT_EQ(left.size(), 157);
    EXPECT_EQ(left.filter(QStringLiteral("|") + stockTakeToday() + QStringLiteral("|")).size(), 150);
    EXPECT_EQ(left.filter(QRegularExpression(QStringLiteral("^0\\|"))).size(), 0);
    EXPECT_EQ(left.filter(QStringLiteral("||DUPONT")).size(), 7);  // lent and never scanned, kept
    const QString journal = text::decodeWindows1252(program.read(QStringLiteral("Journal.csv")));
    EXPECT_EQ(journal.mid(journalBefore.size()).count(QStringLiteral("Inventaire;") + stockTakeToday()), 150);
}

TEST(StockTakeScenario, AStockTakeOfOneGenreIsSuspendedAndResumedWithItsCountersAndTouchesNoOtherGenre)
{
    std::vector<Copy> copies;
    for (int t = 0; t < 20; ++t)
        copies.push_back({t, 1, t < 10 ? QStringLiteral("Roman") : QStringLiteral("Conte"), false});
    ProgramFolder program;
    prepare(program, copies);

    DriverResult run = play(program, logIn() + openStockTake() +
                                         QStringLiteral("click DBComboBox1\ntype Roman\n"
                                                        "answer %1\nanswer OK\nclick SpeedButton52\n")
                                             .arg(kPassword) +
                                         scans({0, 1, 2}) + QStringLiteral("answer OK\n") + scans({15}) +
                                         QStringLiteral("expect-text Edit147 3\nexpect-text Edit148 7\n"
                                                        "click SpeedButton32\nexpect-hidden Panel4\n"));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_EQ(fileLines(program, QStringLiteral("Inventaire.txt")),
              (QStringList{"Inventaire partiel en cours", stockTakeToday(), "Roman", "3", "7"}));

    // Another run of the program: the stock-take goes on where it stopped.
    run = play(program, logIn() + openStockTake() +
                            QStringLiteral("expect-text Edit146 Roman\nexpect-text Edit147 3\nexpect-text Edit148 7\n") +
                            scans({3, 4}) + QStringLiteral("click SpeedButton32\n"));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_TRUE(run.joined().contains(QStringLiteral("Inventaire partiel en cours\\r%1\\rRoman\\r3\\r7").arg(stockTakeToday())))
        << run.joined().toStdString();
    EXPECT_EQ(fileLines(program, QStringLiteral("Inventaire.txt")),
              (QStringList{"Inventaire partiel en cours", stockTakeToday(), "Roman", "5", "5"}));

    run = play(program, logIn() + openStockTake() + endingStep("SpeedButton31", 6) + openStockTake() +
                            endingStep("SpeedButton50", 6) + openStockTake() + endingStep("SpeedButton53", 2));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_EQ(fileLines(program, QStringLiteral("Inventaire_Annuel_Roman.csv")).size(), 5);
    EXPECT_EQ(fileLines(program, QStringLiteral("Bibliotheque.csv")).size(), 6);
    const QStringList left = databaseRows(program, QStringLiteral("SELECT * FROM Table1 ORDER BY NumLivre"),
                                          {"Genre", "DateEmprunt", "NbrExemplaire"});
    QStringList expected;
    for (int t = 0; t < 5; ++t)
        expected << QStringLiteral("Roman|%1|1").arg(stockTakeToday());
    for (int t = 10; t < 20; ++t)
        expected << QStringLiteral("Conte|01/09/2025|1");
    EXPECT_EQ(left, expected);
}
