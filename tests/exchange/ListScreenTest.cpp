// The list screen: each list as a spreadsheet file whose lines and columns no value can break,
// and as a page that shows every value as text.
#include "tests/exchange/ExchangeWindowFixture.h"

#include "tests/exchange/PageText.h"

#include <QDir>
#include <QFile>

#include "platform/text/Windows1252.h"
#include "platform/ui/Panel.h"
#include "platform/ui/WebBrowser.h"

namespace {

class ListScreen : public ExchangeWindow {
protected:
    QString page(const QString& name)
    {
        QFile f(files::nativePath(frm().AppDir + name));
        f.open(QIODevice::ReadOnly);
        return text::decodeWindows1252(f.readAll());
    }
};

TEST_F(ListScreen, BookListKeepsOneLinePerBookAndNeutralisesFormulas)
{
    startLoggedIn();
    sql(QStringLiteral("Insert into Table1 (Titre,Type,Isbn13,Auteur,Resume,Descripteur) "
                       "Values ('B; deux<b>','LIVRE','9782070540907','=HYPERLINK(1)','x','.A\r\n.B')"));
    sql(QStringLiteral("Insert into Table1 (Titre,Type,Isbn13,Auteur) Values ('A','LIVRE','-12','@x')"));
    sql(QStringLiteral("Insert into Table1 (Titre,Type) Values ('DVD','DVD')"));
    input.menu(QStringLiteral("Livres > Listes (csv) des livres"));
    EXPECT_TRUE(frm().get<ui::Control>(QStringLiteral("Liste")).visible());
    dialogs.answer(QStringLiteral("OK"));
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("Button53"));

    const QStringList lines = fileLines(QStringLiteral("Listes\\Livres.csv"));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("prix_client ;")));
    EXPECT_EQ(lines[1], QStringLiteral("2;'-12;A;'@x;;;;;;;;;;"));
    EXPECT_EQ(lines[2], QStringLiteral("1;'9782070540907;B/ deux<b>;'=HYPERLINK(1);;;;;.A  .B;;;;;"));
    EXPECT_EQ(shell.records(), QStringList{"open: " + files::nativePath(frm().AppDir + QStringLiteral("Listes\\Livres.csv"))});
    EXPECT_TRUE(dialogTexts().contains(frm().tables.message(195) + files::nativePath(frm().AppDir + QStringLiteral("Listes\\Livres.csv")) + " \r\n" +
                                       frm().tables.message(196)))
        << dialogTexts().join(u'|').toStdString();

    const ParsedPage shown(page(QStringLiteral("Livres_Tous.html")));
    ASSERT_EQ(shown.rows().size(), 2);
    EXPECT_TRUE(shown.rows()[1].startsWith(QStringLiteral("1; B; deux<b>; 9782070540907")));
    EXPECT_TRUE(frm().get<ui::WebBrowser>(QStringLiteral("WebBrowser8")).locationUrl().endsWith(QStringLiteral("Livres_Tous.html")));
}

TEST_F(ListScreen, BorrowerAndOtherMediaListsAndAMissingFolder)
{
    startLoggedIn();
    QDir(files::nativePath(frm().AppDir + QStringLiteral("Listes"))).removeRecursively();
    sql(QStringLiteral("Insert into Emprunteurs (EmpNom,EmpPrenom,Classe,Mail) Values ('MARTIN','Léa','CM1','+lea@x')"));
    sql(QStringLiteral("Insert into Table1 (Titre,Type,Isbn13) Values ('Film\r\nlong','DVD','00007')"));
    input.menu(QStringLiteral("Emprunteurs > Listes (csv) des emprunteurs"));
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("Button54"));
    EXPECT_EQ(fileLines(QStringLiteral("Listes\\Emprunteurs.csv")).value(1), QStringLiteral("1;MARTIN;Léa;CM1;;;;;'+lea@x"));
    EXPECT_EQ(dialogTexts().value(dialogTexts().size() - 1), frm().tables.message(195) +
                                                             files::nativePath(frm().AppDir + QStringLiteral("Listes\\Emprunteurs.csv")) + " \r\n" +
                                                             frm().tables.message(196));
    dialogs.answer(QStringLiteral("OK"));
    dialogs.answer(QStringLiteral("Cancel"));
    input.click(QStringLiteral("BitBtn8"));
    EXPECT_EQ(fileLines(QStringLiteral("Listes\\AutreLivres.csv")).value(1), QStringLiteral("1;'00007;Film  long;;;;;;"));
    EXPECT_TRUE(dialogTexts().contains(frm().tables.message(55) + files::nativePath(frm().AppDir + QStringLiteral("Listes\\AutreLivres.csv")) + " \r\n" +
                                       frm().tables.message(56)));
    EXPECT_TRUE(shell.records().isEmpty());
    EXPECT_EQ(ParsedPage(page(QStringLiteral("AutreLivres_Tous.html"))).rows().size(), 1);
}

}  // namespace
