// The automatic summaries over the catalogue, with Decitre's pages served locally.
#include "BookScreenFixture.h"
#include "BookSites.h"

#include "program/ProgramScreens.h"
#include "web/sharedbase/AutomaticSummaries.h"

namespace {

QByteArray decitrePage(const char* summary)
{
    return QByteArray("<html><head><meta charset=\"utf-8\"><title>Decitre</title></head><body><p>Livre de poche</p>"
                      "<h2>Résumé</h2><p>") + summary + "</p><h2>Caractéristiques</h2><p>96 pages</p></body></html>";
}

class AutomaticSummariesTest : public BookScreenTest {
protected:
    void SetUp() override
    {
        start({"Cancel"}, program::programScreens());
        logIn();
        frm().ThesaurusTable.entries = {QStringLiteral("AMITIE"), QStringLiteral("ECOLE"), QStringLiteral("ZZZZZ")};
    }
    void addSummaryBook(const QString& code, const QString& resume, const QString& descriptors)
    {
        addBook(code, QStringLiteral("Livre ") + code, code + QStringLiteral(".jpg"));
        frm().db.ADOConnection1.execute(QStringLiteral("UPDATE Table1 SET Resume = ?, Descripteur = ? WHERE NumLivre = ?"),
                                        {resume, descriptors, frm().db.ADOConnection1.lastInsertKey()});
    }
    void runFrom(const QString& start)
    {
        dialogs.answer(QStringLiteral("OK"));
        input.menu(QStringLiteral("Outils > Recherche automatique Résumés"));
        fill("Edit98", start);
        input.click(QStringLiteral("SpeedButton51"));
    }

    // Starts the pass while a scanned code's look-up is reading a page, so that the hidden
    // browser is busy when the pass asks for its own.
    void startPassWhileALookUpReadsAPage()
    {
        frm().settings.dialoguebool = true;
        dialogs.answer(QStringLiteral("OK"));
        input.menu(QStringLiteral("Outils > Recherche automatique Résumés"));
        dialogs.answer(QStringLiteral("OK"));
        input.click(QStringLiteral("Edit1"));
        input.queueScan(QStringLiteral("9782070612758"));
        input.queueClick(control("SpeedButton51"));
        input.process();
    }

    BookSites sites;
};

}  // namespace

TEST_F(AutomaticSummariesTest, EachBookGetsWhatItLacks)
{
    sites.serve(QStringLiteral("livres/9782070000001.html"), decitrePage("Une histoire d'amitié à l'école."));
    sites.serve(QStringLiteral("livres/9782070000005.html"), decitrePage("Un conte sans mot connu."));
    addSummaryBook(QStringLiteral("9782070000009"), QString(), QString());  // before the start number
    addSummaryBook(QStringLiteral("9782070000001"), QString(), QString());
    addSummaryBook(QStringLiteral("9782070000002"), QStringLiteral("Une amitié"), QString());
    addSummaryBook(QStringLiteral("9782070000003"), QStringLiteral("Une amitié"), QStringLiteral(".MAIN"));
    addSummaryBook(QStringLiteral("9782070000004"), QString::fromUtf8("Pas de résumé"), QString());  // Decitre has none
    addSummaryBook(QStringLiteral("9782070000005"), QString(), QStringLiteral(".MAIN"));
    addSummaryBook(QStringLiteral("00042"), QString(), QString());
    const QStringList numbers = booksColumn("NumLivre");
    runFrom(numbers[1]);

    EXPECT_EQ(booksColumn("Resume"),
              (QStringList{QString(), QString::fromUtf8("Decitre Une histoire d'amitié à l'école."), "Une amitié",
                           "Une amitié", QString::fromUtf8("Pas de résumé"), "Decitre Un conte sans mot connu.",
                           QString()}));
    // Descriptors typed by hand stay when the summary gives none.
    EXPECT_EQ(booksColumn("Descripteur"),
              (QStringList{QString(), ".AMITIE.ECOLE", ".AMITIE", ".MAIN", QString(), ".MAIN", QString()}));
    EXPECT_FALSE(control("Panel20").visible());
    // Only the books without a summary and with a 13-character code were looked up.
    QStringList asked;
    for (const QString& request : sites.requests())
        asked << request.section(u'/', -1);
    EXPECT_EQ(asked, (QStringList{"9782070000001.html", "9782070000004.html", "9782070000005.html"}));
}

TEST(AutomaticSummaries, DescriptorsAreCutAtTheirLastWholeWord)
{
    EXPECT_EQ(sharedbase::fittedDescriptors(QStringLiteral(".AB.CD.EF"), 255), ".AB.CD.EF");
    EXPECT_EQ(sharedbase::fittedDescriptors(QStringLiteral(".AB.CD.EF"), 7), ".AB.CD");
    EXPECT_EQ(sharedbase::fittedDescriptors(QStringLiteral(".AB.CD.EF"), 6), ".AB.CD");
    EXPECT_EQ(sharedbase::fittedDescriptors(QStringLiteral(".AB.CD.EF"), 5), ".AB");
}

TEST_F(AutomaticSummariesTest, APassEndedByAnErrorLetsTheNextOneRun)
{
    sites.serve(QStringLiteral("livres/9782070000001.html"), decitrePage("Une histoire d'amitié."));
    addSummaryBook(QStringLiteral("9782070000001"), QString(), QString());
    startPassWhileALookUpReadsAPage();  // it ends with the error
    ASSERT_EQ(booksColumn("Resume"), QStringList{QString()});

    input.click(QStringLiteral("SpeedButton51"));
    EXPECT_EQ(booksColumn("Resume"), QStringList{QString::fromUtf8("Decitre Une histoire d'amitié.")});
    EXPECT_FALSE(control("Panel20").visible());
}

TEST_F(AutomaticSummariesTest, APassStartedWhileALookUpReadsAPageSaysWhyInFrench)
{
    addSummaryBook(QStringLiteral("9782070000001"), QString(), QString());
    startPassWhileALookUpReadsAPage();
    EXPECT_EQ(dialogs.errors(), QStringList{QStringLiteral("http://www.decitre.fr/livres/9782070000001.html : le "
                                                           "navigateur interne charge encore une autre page.")});
}
