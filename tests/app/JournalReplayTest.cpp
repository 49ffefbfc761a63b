// The journal replay: how a line is read, the window of days, and a day of loans and returns
// replayed onto the copy of the database taken when the program started that day.
#include "DatabaseCopyCheck.h"
#include "AdministratorWindowFixture.h"

#include "app/BackupCommands.h"
#include "app/DatabaseObjects.h"
#include "app/Journal.h"
#include "app/JournalReplay.h"
#include "platform/db/Query.h"
#include "platform/text/DateText.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Edit.h"
#include "platform/ui/RichEdit.h"

#include <QFile>

namespace {

const QDate kReplayDay(2025, 12, 8);

TEST(JournalFields, TenFieldsBeforeTheirSeparators)
{
    struct Case { const char* line; QStringList fields; };
    const Case cases[] = {
        {"Sortie;08/12/2025;978;T;A;N;P;CM1;12;Roman;", {"Sortie", "08/12/2025", "978", "T", "A", "N", "P", "CM1", "12", "Roman"}},
        {"Sortie;08/12/2025;978;T;A;N;P;CM1;12;Roman", {"Sortie", "08/12/2025", "978", "T", "A", "N", "P", "CM1", "12", ""}},
        {"Retour;08/12/2025", {"Retour", "", "", "", "", "", "", "", "", ""}},
        {"", {"", "", "", "", "", "", "", "", "", ""}},
        {"a;b;c;d;e;f;g;h;i;j;k;l", {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(app::journalFields(QString::fromLatin1(c.line)), c.fields) << c.line;
    EXPECT_EQ(app::journalFields(QString(150, u'x') + u';').front().size(), 100);
}

TEST(JournalReplayWindow, DatesAreReadWithTheirSeparatorsForced)
{
    struct Case { const char* typed; const char* shown; std::optional<QDate> date; };
    const Case cases[] = {
        {"01/09/2024", "01/09/2024", QDate(2024, 9, 1)},
        {"01-09-2024", "01/09/2024", QDate(2024, 9, 1)},
        {"01.09.2024", "01/09/2024", QDate(2024, 9, 1)},
        {"__/__/20__", "__/__/20__", std::nullopt},
        {"1/9/2024", "1///2/24", std::nullopt},
        {"31/02/2024", "31/02/2024", std::nullopt},
        {"01/09", "01/09", std::nullopt},
    };
    for (const Case& c : cases) {
        QString typed = QString::fromLatin1(c.typed);
        EXPECT_EQ(app::replayWindowDate(typed), c.date) << c.typed;
        EXPECT_EQ(typed, QString::fromLatin1(c.shown)) << c.typed;
    }
}

TEST(JournalReplayWindow, LoanPeriodsAsTheLoanScreenReadsThem)
{
    struct Case { const char* period; int days; };
    for (const Case c : {Case{"7 jours", 7}, Case{"14 jours", 14}, Case{"01 mois", 30}, Case{"12 mois", 360},
                         Case{"", 7}, Case{"jamais", 7}})
        EXPECT_EQ(app::loanPeriodDays(QString::fromLatin1(c.period)), c.days) << c.period;
}

class JournalReplayTest : public AdministratorWindowTest {
protected:
    // Eight books with codes 9782000000010 ... 9782000000080, each lent twice before.
    void addBooks()
    {
        db::Connection c(app::buildConnectionString(files::appDir()), [](const QString& p) { return files::nativePath(p); });
        for (int i = 1; i <= 8; ++i)
            c.execute(QStringLiteral("INSERT INTO Table1 (Titre, Auteur, Isbn13, NbreFoisEmprunte, Genre) "
                                     "VALUES (?, 'Auteur', ?, '00002', 'Roman')"),
                      {QStringLiteral("Livre %1").arg(i * 10), QStringLiteral("97820000000%1").arg(i * 10)});
    }
    app::TFrmPrin& startAsAdministrator()
    {
        return AdministratorWindowTest::startAsAdministrator([](app::TFrmPrin& f) { f.addPart<app::BackupCommands>(f); });
    }
    // What the desk does for a loan and a return: the row's borrower fields and the journal line.
    void lend(app::TFrmPrin& w, int book, int borrower)
    {
        db::Query q(w.db.ADOConnection1);
        q.setSql(QStringLiteral("SELECT * FROM Table1 WHERE NumLivre = ?"), {book});
        q.open();
        q.edit();
        q.fieldByName("EmpNom").setAsString(QStringLiteral("Nom%1").arg(borrower));
        q.fieldByName("EmpPrenom").setAsString("Lou");
        q.fieldByName("EmpClasse").setAsString("CM1");
        q.fieldByName("NumEmprunteur").setAsInteger(borrower);
        q.post();
        journal::appendJournalLine(w.OutputFile, w.AppDir,
                                   journal::loanLine(kReplayDay, q.fieldByName("Isbn13").asString(), q.fieldByName("Titre").asString(),
                                                     QString(), "Auteur", QStringLiteral("Nom%1").arg(borrower), "Lou",
                                                     "CM1", borrower, "Roman"));
    }
    void giveBack(app::TFrmPrin& w, int book)
    {
        db::Query q(w.db.ADOConnection1);
        q.setSql(QStringLiteral("SELECT * FROM Table1 WHERE NumLivre = ?"), {book});
        q.open();
        journal::appendJournalLine(w.OutputFile, w.AppDir,
                                   journal::returnLine(kReplayDay, q.fieldByName("Isbn13").asString(), book,
                                                       q.fieldByName("Titre").asString(), "Auteur",
                                                       q.fieldByName("EmpNom").asString(), "Lou", "CM1",
                                                       q.fieldByName("NumEmprunteur").asString(), "Roman"));
        q.edit();
        for (const char* name : {"EmpNom", "EmpPrenom", "EmpClasse"})
            q.fieldByName(name).clear();
        q.fieldByName("NumEmprunteur").setAsInteger(0);
        q.post();
    }
    // Opens the replay window, types the window of days and runs "Départ", then "Terminé".
    void replay(const QString& start, const QString& end = {}, const QStringList& answersAfter = {})
    {
        dialogs.answer(ui::DialogAnswer::action([this, start, end](ui::Form&) {
            for (const auto& [name, value] : {std::pair{"Edit1", start}, std::pair{"Edit2", end}}) {
                if (value.isEmpty())
                    continue;
                input.click(name);
                input.key(ui::vk::End);
                for (int i = 0; i < 10; ++i)
                    input.key(ui::vk::Back);
                input.type(value);
            }
            input.click("Button1");
            input.click("Button2");
        }));
        for (const QString& answer : answersAfter)
            dialogs.answer(answer);
        input.menu(QStringLiteral("Outils > Restaurer infos"));
    }
    QStringList borrowers()
    {
        return storedTexts("SELECT * FROM Table1 ORDER BY NumLivre", "EmpNom");
    }
    QStringList storedTexts(const char* sql, const char* field)
    {
        db::Connection c(app::buildConnectionString(files::appDir()), [](const QString& p) { return files::nativePath(p); });
        db::Query q(c);
        q.setSql(QString::fromLatin1(sql));
        q.open();
        QStringList values;
        for (q.first(); !q.eof(); q.next())
            values << q.fieldByName(QString::fromLatin1(field)).asString();
        return values;
    }
    app::TForm3& replayWindow() { return frm().findPart<app::BackupCommands>()->replayWindow(); }
};

}  // namespace

TEST_F(JournalReplayTest, TheDaysLoansComeBackOntoTheMorningCopyAndItsReturnsStayReturned)
{
    addBooks();
    {
        app::TFrmPrin& w = start();
        for (int book = 1; book <= 5; ++book)
            lend(w, book, 100 + book);
        giveBack(w, 2);
        giveBack(w, 4);
        entry.reset();
    }
    const QString morning = program.drive("Sauvegardes_journalieres/Test1_08-12-2025_entree.bib");
    ASSERT_TRUE(checkDatabaseCopy(morning).opens);
    QFile::remove(program.folder("Test1.bib"));
    ASSERT_TRUE(QFile::copy(morning, program.folder("Test1.bib")));
    ASSERT_EQ(borrowers(), QStringList(8, QString()));

    startAsAdministrator();
    replay("08/12/2025");

    EXPECT_EQ(borrowers(), QStringList({"Nom101", "", "Nom103", "", "Nom105", "", "", ""}));
    const QStringList due = storedTexts("SELECT * FROM Table1 ORDER BY NumLivre", "DateRetour");
    EXPECT_EQ(due[0], "15/12/2025");
    EXPECT_EQ(due[1], "");
    EXPECT_EQ(storedTexts("SELECT * FROM Table1 ORDER BY NumLivre", "NbreFoisEmprunte").mid(0, 6),
              QStringList({"00003", "00003", "00003", "00003", "00003", "00002"}));
    const QString log = replayWindow().RichEdit1->text();
    EXPECT_EQ(log.count("Livre enregistré "), 5) << log.toStdString();
    EXPECT_TRUE(log.contains("1 9782000000020 [2] 102 ")) << log.toStdString();
    EXPECT_TRUE(log.contains("1 9782000000040 [4] 104 "));
    EXPECT_EQ(replayWindow().Edit2->text(), "08/12/2025");
}

TEST_F(JournalReplayTest, LinesOutsideTheWindowOrWithoutABorrowerNumberChangeNothing)
{
    addBooks();
    const QString journal = QStringLiteral(
        "Kind;Date\r\n"
        "Sortie;07/12/2025;9782000000010;Livre 10 [];Auteur;Avant;Lou;CM1;7;Roman\r\n"
        "Sortie;08/12/2025;9782000000020;Livre 20 [];Auteur;Pirate;Lou;CM1;1 OR 1=1;Roman\r\n"
        "Sortie;08/12/2025;9782000000030;Livre 30 [];Auteur;O'Neil;Lou;CM1;9;Roman\r\n"
        "Sortie;08/12/2025;9782000000030;Livre 30 [];Auteur;O'Neil;Lou;CM1;9;Roman\r\n"
        "Sortie;08/12/2025;9780000000000;Inconnu [];Auteur;X;Lou;CM1;9;Roman\r\n"
        "Sortie;09/12/2025;9782000000040;Livre 40 [];Auteur;Apres;Lou;CM1;8;Roman\r\n");
    program.write("Journal.csv", journal.toLatin1());
    startAsAdministrator();
    replay("08/12/2025", "08/12/2025");

    EXPECT_EQ(borrowers(), QStringList({"", "", "O'Neil", "", "", "", "", ""}));
    const QString log = replayWindow().RichEdit1->text();
    EXPECT_TRUE(log.contains("ligne ignorée : 1 OR 1=1")) << log.toStdString();
    EXPECT_TRUE(log.contains("Ce livre est déjà enregistré Livre 30 []"));
    EXPECT_TRUE(log.contains("pas de livre disponible à emprunter"));
    EXPECT_TRUE(log.endsWith("Fin"));
}

TEST_F(JournalReplayTest, ARefusedDateIsToldAndTheFieldReset)
{
    startAsAdministrator();
    replay("99/99/9999", "08/12/2025", {"OK"});
    EXPECT_TRUE(dialogTexts().contains("99/99/9999 Pas le bon format"));
    EXPECT_EQ(replayWindow().Edit1->text(), "__/__/____");
}
