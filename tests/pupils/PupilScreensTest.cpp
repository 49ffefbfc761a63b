// The pupils' screens in the main window, driven through the control model's input.
#include "MainWindowFixture.h"

#include "ColumnValues.h"
#include "TestServers.h"
#include "platform/text/PascalText.h"
#include "platform/text/Windows1252.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/WebBrowser.h"
#include "pupils/BorrowerCardsPage.h"
#include "pupils/PupilsInstaller.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gumbo.h>

namespace {

// The characters a Code 39 symbol can carry between its start and stop asterisks.
bool isCode39Text(const QString& s)
{
    static const QString alphabet = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%");
    return !s.isEmpty() && std::all_of(s.begin(), s.end(), [](QChar c) { return alphabet.contains(c); });
}

void collectText(const GumboNode* node, QString& text)
{
    if (node->type == GUMBO_NODE_TEXT) {
        text += QString::fromUtf8(node->v.text.text);
    } else if (node->type == GUMBO_NODE_ELEMENT) {
        const GumboVector& children = node->v.element.children;
        for (unsigned i = 0; i < children.length; ++i)
            collectText(static_cast<const GumboNode*>(children.data[i]), text);
    }
}

// The text of every <font> element of the page: the barcode of each card.
void collectFonts(const GumboNode* node, QStringList& fonts)
{
    if (node->type != GUMBO_NODE_ELEMENT)
        return;
    if (node->v.element.tag == GUMBO_TAG_FONT) {
        QString text;
        collectText(node, text);
        fonts << text;
    }
    const GumboVector& children = node->v.element.children;
    for (unsigned i = 0; i < children.length; ++i)
        collectFonts(static_cast<const GumboNode*>(children.data[i]), fonts);
}

class PupilScreens : public MainWindowTest {
protected:
    void startLoggedIn()
    {
        start({"Cancel"}, {[](app::TFrmPrin& frm) { pupils::installPupilScreens(frm); }});
        dialogs.answer(QString());
        dialogs.answer(QStringLiteral("Terminer"));
        input.menu(QStringLiteral("Fichier > Administrateur"));
    }
    void fill(const char* name, const QString& value)
    {
        input.click(QString::fromLatin1(name));
        frm().get<ui::CustomEdit>(QString::fromLatin1(name)).selectAll();
        input.type(value);
    }
    void sql(const QString& statement) { frm().db.ADOConnection1.execute(statement); }
    QStringList column(const QString& statement, const QStringList& fields)
    {
        return rowValues(frm().db.ADOConnection1, statement, fields);
    }
    void answerOk(int times)
    {
        for (int i = 0; i < times; ++i)
            dialogs.answer(QStringLiteral("OK"));
    }
};

TEST_F(PupilScreens, TheUpdatingImportReadsTheChosenFileAndReportsSkippedLines)
{
    startLoggedIn();
    sql(QStringLiteral("Insert into Emprunteurs (EmpNom,EmpPrenom,Classe) Values ('MARTIN','Léa','CE2')"));
    sql(QStringLiteral("Insert into Emprunteurs (EmpNom,EmpPrenom,Classe) Values ('PARTI','Paul','CM2')"));
    program.write(QStringLiteral("eleves.csv"),
                  text::encodeWindows1252(QStringLiteral("\"INE\";\"Nom élève\";\"Prénom élève\";\"Libellé classe\";\r\n"
                                                         "\"1\";\"MARTIN\";\"Léa\";\"CM1\";\r\n"
                                                         "\"2\";\"GÉRARD\";\"Zoé\";\"CP\";\r\n"
                                                         "\"3\";\"\";\"Sans nom\";\"CP\";\r\n")));
    input.menu(QStringLiteral("Emprunteurs > Importer Onde"));
    EXPECT_TRUE(frm().get<ui::WebBrowser>(QStringLiteral("WebBrowser2")).locationUrl().endsWith(
        QStringLiteral("Base_eleve/Importer_eleves.html")));
    input.click(QStringLiteral("RadioButton5"));
    answerOk(2);
    dialogs.answer(program.folder(QStringLiteral("eleves.csv")));
    answerOk(1);
    input.click(QStringLiteral("Button14"));
    EXPECT_EQ(column(QStringLiteral("Select * From Emprunteurs ORDER BY NumEmprunteur"),
                     {"NumEmprunteur", "EmpNom", "EmpPrenom", "Classe", "NumINE"}),
              (QStringList{"1|MARTIN|Léa|CM1|", "3|GÉRARD|Zoé|CP|0"}));
    EXPECT_TRUE(dialogTexts().last().contains(QStringLiteral("Lignes ignorées, sans nom ou sans prénom (1) : 4")))
        << dialogTexts().last().toStdString();
}

TEST_F(PupilScreens, AFileWithoutTheHeaderIsRefusedBeforeAnythingIsWritten)
{
    startLoggedIn();
    program.write(QStringLiteral("autre.csv"), "Nom;Prenom;Classe;\r\nA;B;C;\r\n");
    input.menu(QStringLiteral("Emprunteurs > Importer Onde"));
    answerOk(1);
    dialogs.answer(program.folder(QStringLiteral("autre.csv")));
    answerOk(1);
    input.click(QStringLiteral("Button14"));
    EXPECT_EQ(dialogTexts().last(), QStringLiteral("Mauvais format de fichier"));
    EXPECT_TRUE(column(QStringLiteral("Select * From Emprunteurs"), {"EmpNom"}).isEmpty());
}

TEST_F(PupilScreens, TheCardsOfOneClassCarryTheirBorrowersCodes)
{
    startLoggedIn();
    for (const char* row : {"'MARTIN','Léa','CM1'", "'PETIT','Hugo','CE2'", "'ROUX','Anna & <b>','CM1'"})
        sql(QStringLiteral("Insert into Emprunteurs (EmpNom,EmpPrenom,Classe) Values (%1)").arg(QString::fromUtf8(row)));
    input.menu(QStringLiteral("Emprunteurs > Cartes Emprunteurs"));
    EXPECT_EQ(frm().get<ui::ComboBox>(QStringLiteral("ComboBox8")).items(), (QStringList{"CE2", "CM1"}));
    fill("Edit96", QStringLiteral("2025/2026"));
    fill("ComboBox8", QStringLiteral("CM1"));
    input.click(QStringLiteral("Button65"));

    const QString page = text::decodeWindows1252(program.read(QStringLiteral("emprunteurs.html")));
    const QByteArray utf8 = page.toUtf8();
    GumboOutput* output = gumbo_parse_with_options(&kGumboDefaultOptions, utf8.constData(), size_t(utf8.size()));
    QStringList barcodes;
    collectFonts(output->root, barcodes);
    QString allText;
    collectText(output->root, allText);
    gumbo_destroy_output(&kGumboDefaultOptions, output);

    ASSERT_EQ(barcodes, (QStringList{"*E003*", "*E001*"}));  // in first-name order
    const QStringList numbers{"3", "1"};
    for (int i = 0; i < barcodes.size(); ++i) {
        const QString symbol = barcodes[i].mid(1, barcodes[i].size() - 2);
        EXPECT_TRUE(barcodes[i].startsWith(u'*') && barcodes[i].endsWith(u'*') && isCode39Text(symbol));
        EXPECT_EQ(symbol, pupils::cardCode(numbers[i]));
    }
    EXPECT_TRUE(allText.contains(QStringLiteral("Anna & <b>")));
    EXPECT_FALSE(allText.contains(QStringLiteral("PETIT")));

    answerOk(1);
    input.click(QStringLiteral("Image78"));
    EXPECT_EQ(shell.records().last(),
              QStringLiteral("start: soffice --writer ") + QDir(program.folder()).filePath(QStringLiteral("emprunteurs.html")));
}

// "Word" hands the card page to the word processor, which reads a page's accents only in the
// code page the page declares.
TEST_F(PupilScreens, TheCardPageReadsInTheWordProcessorWithItsAccents)
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        GTEST_SKIP() << "soffice (libreoffice-writer) is not installed";
    startLoggedIn();
    sql(QStringLiteral("Insert into Emprunteurs (EmpNom,EmpPrenom,Classe) Values ('MARTIN','Léa','CM1')"));
    input.menu(QStringLiteral("Emprunteurs > Cartes Emprunteurs"));
    fill("Edit96", QStringLiteral("2025/2026"));
    fill("ComboBox8", QStringLiteral("CM1"));
    input.click(QStringLiteral("Button65"));

    QTemporaryDir home;
    QProcess convert;
    convert.start(soffice, {QStringLiteral("-env:UserInstallation=file://") + home.filePath(QStringLiteral("profile")),
                            QStringLiteral("--headless"), QStringLiteral("--writer"), QStringLiteral("--convert-to"),
                            QStringLiteral("txt:Text (encoded):UTF8"), QStringLiteral("--outdir"), home.path(),
                            program.folder(QStringLiteral("emprunteurs.html"))});
    ASSERT_TRUE(convert.waitForFinished(180000)) << "soffice did not finish";
    QFile text(home.filePath(QStringLiteral("emprunteurs.txt")));
    ASSERT_TRUE(text.open(QIODevice::ReadOnly)) << convert.readAllStandardError().toStdString();
    EXPECT_TRUE(QString::fromUtf8(text.readAll()).contains(QStringLiteral("Léa")))
        << "the page read as another code page";
}

TEST_F(PupilScreens, GroupMailsReachTheLibrarysServerOnePerOverdueCopyWithAMail)
{
    QTemporaryDir mailbox;
    ScriptServer server(QStringLiteral("smtp_server.py"), {mailbox.path()});
    startLoggedIn();
    frm().settings.MailQVLgmailcom = QStringLiteral("bibliotheque@example.org");
    frm().settings.MDPQVL = QStringLiteral("secret");
    frm().settings.SMTPQVL = QStringLiteral("127.0.0.1:%1").arg(server.port());
    program.write(QStringLiteral("Livre_retard.txt"), text::encodeWindows1252(QStringLiteral("Merci de rendre \r\nprévu le \r\n")));
    // Today is 08/12/2025: one copy overdue with a mail, one overdue without, one not yet due.
    sql(QStringLiteral("Insert into Table1 (Titre,Isbn13,Type,EmpNom,EmpPrenom,EmpClasse,NumEmprunteur,DateRetour,Photo_rangement) "
                       "Values ('Alice & Bob','1111111111111','LIVRE','MARTIN','Léa','CM1',1,'07/12/2025','lea@example.org')"));
    sql(QStringLiteral("Insert into Table1 (Titre,Isbn13,Type,EmpNom,EmpPrenom,EmpClasse,NumEmprunteur,DateRetour) "
                       "Values ('Babar','2222222222222','LIVRE','PETIT','Hugo','CE2',2,'01/12/2025')"));
    sql(QStringLiteral("Insert into Table1 (Titre,Isbn13,Type,EmpNom,EmpPrenom,EmpClasse,NumEmprunteur,DateRetour,Photo_rangement) "
                       "Values ('Caillou','3333333333333','LIVRE','ROUX','Anna','CP',3,'08/12/2025','anna@example.org')"));
    input.menu(QStringLiteral("Livres > Retours en retard"));
    EXPECT_EQ(frm().get<ui::CustomEdit>(QStringLiteral("Edit150")).text(), frm().settings.SMTPQVL);
    answerOk(2);
    input.click(QStringLiteral("Button29"));
    EXPECT_EQ(dialogTexts().last(), QStringLiteral("Mails de rappel envoyés : 1"));

    const QStringList mails = QDir(mailbox.path()).entryList({QStringLiteral("*.eml")});
    ASSERT_EQ(mails, QStringList{"1.eml"});
    QFile envelope(mailbox.filePath(QStringLiteral("1.env")));
    ASSERT_TRUE(envelope.open(QIODevice::ReadOnly));
    EXPECT_EQ(envelope.readAll(), QByteArray("bibliotheque@example.org\nlea@example.org\n"));
    QFile mail(mailbox.filePath(QStringLiteral("1.eml")));
    ASSERT_TRUE(mail.open(QIODevice::ReadOnly));
    const QByteArray raw = mail.readAll();
    EXPECT_TRUE(raw.contains("Subject: Livre en retard\r\n"));
    EXPECT_TRUE(raw.contains("To: <lea@example.org>\r\n"));
    EXPECT_TRUE(raw.contains("\r\n\r\nMerci de rendre Alice & Bob pr=C3=A9vu le 07/12/2025\r\n")) << raw.toStdString();
}

// The covers link the store's product page (its address, not the site choice of the look-up)
// and the photos are named as the screens that take them name them.
TEST_F(PupilScreens, PicturePagesLinkTheStoresProductPagesAndThePhotosTheScreensTake)
{
    startLoggedIn();
    sql(QStringLiteral("Insert into Table1 (Titre,Isbn13,Type,Images,EmpNom,EmpPrenom,EmpClasse,NumEmprunteur,DateRetour) "
                       "Values ('Le Petit Prince','9782070612758','LIVRE','9782070612758.jpg','LEFèVRE','Zoé','CM1',1,'01/12/2025')"));
    const struct {
        const char* menu;
        const char* button;
        const char* page;
    } pages[] = {{"Livres > Livres sortis", "Button76", "Livres_Sortis.html"},
                 {"Livres > Retours en retard", "Button77", "Livres_Retard.html"}};
    for (const auto& p : pages) {
        SCOPED_TRACE(p.page);
        input.menu(QString::fromUtf8(p.menu));
        answerOk(1);
        input.click(QString::fromLatin1(p.button));
        const QString page = text::decodeWindows1252(program.read(QString::fromLatin1(p.page)));
        EXPECT_TRUE(page.contains(QStringLiteral("<a href=\" https://www.amazon.fr/gp/product/2070612759\"")))
            << page.toStdString();
        EXPECT_FALSE(page.contains(QStringLiteral(" fr/gp/product")));
        EXPECT_TRUE(page.contains(QStringLiteral("<img src=\"Photo_emprunteur/LEFèVRE_Zoé.jpg\""))) << page.toStdString();
    }
}

TEST_F(PupilScreens, TheResetAsksTheAdministratorPasswordThenConfirmation)
{
    startLoggedIn();
    sql(QStringLiteral("Insert into Emprunteurs (EmpNom,EmpPrenom,Classe) Values ('MARTIN','Léa','CM1')"));
    sql(QStringLiteral("Insert into Table1 (Titre,Type,EmpNom,EmpPrenom,NumEmprunteur,DateRetour) "
                       "Values ('Alice','LIVRE','MARTIN','Léa',1,'07/12/2025')"));
    dialogs.answer(QString());
    dialogs.answer(QStringLiteral("Cancel"));
    answerOk(1);
    input.menu(QStringLiteral("Outils > Remettre à zéro le fichier Emprunteurs"));
    EXPECT_EQ(column(QStringLiteral("Select * From Emprunteurs"), {"EmpNom"}), QStringList{"MARTIN"});

    dialogs.answer(QString());
    answerOk(3);
    input.menu(QStringLiteral("Outils > Remettre à zéro le fichier Emprunteurs"));
    EXPECT_EQ(dialogTexts().last(), QStringLiteral("1"));
    EXPECT_TRUE(column(QStringLiteral("Select * From Emprunteurs"), {"EmpNom"}).isEmpty());
    EXPECT_EQ(column(QStringLiteral("Select * From Table1"), {"EmpNom", "NumEmprunteur", "DateRetour"}), QStringList{"|0|"});
}

TEST_F(PupilScreens, RestartingIsRefusedWhileCopiesAreOutAndACancelledChoiceChangesNothing)
{
    startLoggedIn();
    sql(QStringLiteral("Insert into Emprunteurs (EmpNom,EmpPrenom,Classe) Values ('MARTIN','Léa','CM1')"));
    sql(QStringLiteral("Insert into Table1 (Titre,Type,EmpNom,EmpPrenom,NumEmprunteur) Values ('Alice','LIVRE','MARTIN','Léa',1)"));
    input.menu(QStringLiteral("Emprunteurs > Importer Onde"));
    input.click(QStringLiteral("RadioButton2"));
    answerOk(3);
    input.click(QStringLiteral("Button14"));
    EXPECT_TRUE(dialogTexts().last().startsWith(QStringLiteral("1 livre(s) encore prêté(s)"))) << dialogTexts().last().toStdString();
    EXPECT_FALSE(program.exists(QStringLiteral("Qvlzantor/Bibliotheque2.csv")));

    sql(QStringLiteral("UPDATE Table1 SET EmpNom='',NumEmprunteur=0"));
    input.menu(QStringLiteral("Emprunteurs > Importer Onde"));
    answerOk(2);
    dialogs.answer(QStringLiteral("Cancel"));
    input.click(QStringLiteral("Button14"));
    EXPECT_FALSE(program.exists(QStringLiteral("Qvlzantor/Bibliotheque2.csv")));
    EXPECT_EQ(column(QStringLiteral("Select * From Emprunteurs"), {"NumEmprunteur", "EmpNom"}), QStringList{"1|MARTIN"});
}

}  // namespace
