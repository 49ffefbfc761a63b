// A librarian's first books: log in, scan a code nobody knows, enter the book by hand, save its
// copies, and find them again by scanning; and the input the save must refuse.
#include "DeliveredLanguage.h"
#include "DriverRun.h"
#include "QtPrinters.h"

#include "app/DatabaseObjects.h"
#include "platform/db/Query.h"
#include "platform/files/WindowsPath.h"
#include "platform/text/DateText.h"
#include "platform/text/Windows1252.h"

#include <QDate>
#include <gtest/gtest.h>

namespace {

const QString kCode = QStringLiteral("9782070612758");

// Every answer the way in needs: start-up question, the empty password, the tips window.
const QString kLogIn = QStringLiteral(
    "answer Cancel\n"
    "wait 10\n"
    "answer \n"
    "answer Terminer\n"
    "menu Fichier > Administrateur\n");

// Manual entry of the book shown, with the copies to save; the code field is left as it is.
// The way to the title field: the manual entry button, or back to code entry and again to manual
// entry after a save (which offers both), or a click when manual entry is still on.
QString enterByHand(const QString& copies, const QString& way = QStringLiteral("SpeedButton18"))
{
    return QStringLiteral(
               "click %2\n"
               "type Le Petit Prince\n"
               "click Edit5\n"
               "type Antoine de Saint-Exupéry\n"
               "click Edit12\n"
               "type Gallimard\n"
               "click ComboBox12\n"
               "type Roman\n"
               "click Edit15\n"
               "key End\n"
               "key Backspace\n"
               "type %1\n")
        .arg(copies, way);
}

struct Row {
    QString numLivre, isbn13, nbr, max, codeBarres, imp, images, titre, resume;
};

std::vector<Row> books(const ProgramFolder& program)
{
    files::setProgramFolder(program.folder());
    db::Connection connection(app::buildConnectionString(files::appDir()),
                              [](const QString& p) { return files::nativePath(p); });
    db::Query q(connection);
    q.setSql(QStringLiteral("SELECT * FROM Table1 ORDER BY NumLivre"));
    q.open();
    std::vector<Row> rows;
    for (q.first(); !q.eof(); q.next()) {
        auto f = [&q](const char* name) { return q.fieldByName(QString::fromLatin1(name)).asString(); };
        rows.push_back({f("NumLivre"), f("Isbn13"), f("NbrExemplaire"), f("MaxExemplaire"), f("CodeBarres"),
                        f("IMP_CodeBarres"), f("Images"), f("Titre"), f("Resume")});
    }
    return rows;
}

QStringList journalLines(const ProgramFolder& program)
{
    return text::decodeWindows1252(program.read(QStringLiteral("Journal.csv"))).split(QStringLiteral("\r\n"));
}

QString bookEntryToday() { return text::shortDateText(QDate::currentDate()); }

}  // namespace

TEST(BookEntryScenario, ABookNobodyKnowsIsEnteredByHandAndFoundAgainByItsCode)
{
    ProgramFolder program;
    DriverResult run = play(program, kLogIn + QStringLiteral("expect-visible Panel4\n"
                                                             "expect-focus Edit1\n"
                                                             "answer OK\n"
                                                             "scan 9782070612758\n"
                                                             "expect-text Edit10 9782070612758\n") +
                                         enterByHand(QStringLiteral("3")) +
                                         QStringLiteral("click SpeedButton20\n"
                                                        "expect-text Label182 3\n"
                                                        "expect-text Edit1\n"
                                                        "expect-focus Edit1\n"));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    // Nobody answered (every source off but those that need the maker's host, which is unset).
    EXPECT_TRUE(run.lines.filter(QStringLiteral("dialog: ")).last().contains(QStringLiteral("| OK")));
    EXPECT_EQ(program.read(QStringLiteral("Isbn_non_trouves.csv")), QByteArray("9782070612758\r\n"));

    std::vector<Row> rows = books(program);
    ASSERT_EQ(rows.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(rows[i].isbn13, kCode);
        EXPECT_EQ(rows[i].nbr, QString::number(i + 1));
        EXPECT_EQ(rows[i].max, i == 2 ? "Vrai" : "Faux");
        EXPECT_EQ(rows[i].codeBarres, "9HSMARA*gbchfi+");
        EXPECT_EQ(rows[i].imp, "Faux");
        EXPECT_EQ(rows[i].images, "9782070612758.jpg");
    }
    QStringList journal = journalLines(program);
    ASSERT_EQ(journal.size(), 3) << journal.join(u'|').toStdString();  // header, the line, the last line end
    EXPECT_EQ(journal[1], QStringLiteral("NouveauLivre;") + bookEntryToday() +
                              QStringLiteral(";9782070612758;Le Petit Prince;Antoine de Saint-Exupéry;Gallimard; ; ; ;Roman"));

    // Scanned again: the catalogue answers, and one more copy joins the group as its last.
    run = play(program, kLogIn + QStringLiteral("scan 9782070612758\n"
                                                "expect-text Edit4 Le Petit Prince\n"
                                                "expect-text Edit5 Antoine de Saint-Exupéry\n"
                                                "expect-text Edit12 Gallimard\n"
                                                "expect-text Edit10 9782070612758\n"
                                                "expect-text Label183 3\n"
                                                "expect-visible SpeedButton20\n"
                                                "click SpeedButton20\n"
                                                "expect-text Label182 4\n"));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    rows = books(program);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[3].nbr, "4");
    EXPECT_EQ(rows[3].max, "Vrai");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(rows[i].max, "Faux") << i;
    EXPECT_EQ(journalLines(program).size(), 4);
}

TEST(BookEntryScenario, BooksWithoutCodeGetTheirOwnNumbersAndLabels)
{
    ProgramFolder program;
    const DriverResult run = play(program, kLogIn + enterByHand(QStringLiteral("2")) +
                                               QStringLiteral("click SpeedButton20\n"));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    const std::vector<Row> rows = books(program);
    ASSERT_EQ(rows.size(), 2u);
    for (const Row& r : rows) {
        const QString code = r.numLivre.rightJustified(5, u'0');
        EXPECT_EQ(r.isbn13, code);
        EXPECT_EQ(r.codeBarres, "*" + code + "*");
        EXPECT_EQ(r.images, code + ".jpg");
        EXPECT_EQ(r.nbr, "1");
        EXPECT_EQ(r.max, "Vrai");
        EXPECT_EQ(r.imp, "Vrai");
    }
    // The line names the book as it was saved, before the copies were numbered.
    EXPECT_TRUE(journalLines(program)[1].startsWith(QStringLiteral("NouveauLivre;") + bookEntryToday() + ";00000;Le Petit Prince;"));
}

TEST(BookEntryScenario, TheSaveRefusesBadInputAndWritesNothingHalfway)
{
    ProgramFolder program;
    const QString conversionError =
        QStringLiteral("error: 'deux' n'est pas une valeur entière correcte.");
    const DriverResult run = play(program, kLogIn + QStringLiteral(
        // Manual entry without a title: the field turns red, nothing is saved.
        "click SpeedButton18\n"
        "click SpeedButton20\n"
        "expect-focus Edit4\n") +
        // No copy to save: nothing inserted, no journal line.
        enterByHand(QStringLiteral("0"), QStringLiteral("Edit4")) + QStringLiteral(
        "click SpeedButton20\n") +
        // Letters as the count: the conversion error, nothing written.
        enterByHand(QStringLiteral("deux"), QStringLiteral("SpeedButton19\nclick SpeedButton18")) + QStringLiteral(
        "click SpeedButton20\n"
        // A code too long for its barcode text.
        "click Edit10\n"
        "type 12345678901234567890\n"
        "click Edit15\n"
        "key End\n"
        "key Backspace\n"
        "key Backspace\n"
        "key Backspace\n"
        "key Backspace\n"
        "type 1\n"
        "answer OK\n"
        "click SpeedButton20\n"
        "expect-focus Edit10\n"));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_TRUE(run.has(conversionError)) << run.joined().toStdString();
    EXPECT_TRUE(run.joined().contains(QStringLiteral("Ce code a plus de 18 caractères")));
    EXPECT_TRUE(books(program).empty());
    EXPECT_EQ(journalLines(program).size(), 2);  // the header alone
}

TEST(BookEntryScenario, OverLongTitleAndSummaryAreCutToTheirColumns)
{
    ProgramFolder program;
    const QString title = QString(90, u'a');
    const DriverResult run = play(program, kLogIn + QStringLiteral(
        "click SpeedButton18\n"
        "type %1\n"
        "click RichEdit4\n"
        "type %2\n"
        "click SpeedButton20\n").arg(title, QString(2600, u'r')));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    const std::vector<Row> rows = books(program);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].titre, QString(80, u'a'));
    EXPECT_EQ(rows[0].resume, QString(2500, u'r'));
}
