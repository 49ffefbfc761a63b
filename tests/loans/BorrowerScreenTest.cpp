// The borrower screen driven as a librarian does: names typed and "Ajouter", the browsing
// buttons and the navigator, the photo of the borrower on show; and the loan screen's history
// button.
#include "tests/loans/LoanScreenFixture.h"

#include "app/BorrowerPhotoFile.h"
#include "loans/LoanHistory.h"
#include "platform/ui/DBNavigator.h"

#include <QDir>
#include <QImage>

namespace {

class BorrowerScreenTest : public LoanScreenTest {
protected:
    void SetUp() override
    {
        LoanScreenTest::SetUp();
        addBorrower(12, QStringLiteral("DUPONT"), QStringLiteral("Jean"), QStringLiteral("CM1"));
        addBorrower(13, QStringLiteral("MARTIN"), QStringLiteral("Marie"), QStringLiteral("CE2"));
        // Pictures told apart by their widths.
        writePhoto(QStringLiteral("No_picture.jpg"), 30);
        writePhoto(QStringLiteral("DUPONT_Jean.jpg"), 40);
    }
    void writePhoto(const QString& name, int width)
    {
        QImage picture(width, 20, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        ASSERT_TRUE(picture.save(program.folder(QStringLiteral("Photo_emprunteur/") + name), "JPG"));
    }
    void openBorrowerScreen() { input.click(QStringLiteral("ToolButton7")); }
    void typeInto(const char* field, const QString& text)
    {
        input.click(QString::fromLatin1(field));
        input.type(text);
    }
    // The photo box's picture width, 0 without a picture.
    int shownPhotoWidth()
    {
        const ui::PicturePtr& picture = frm().get<ui::Image>(QStringLiteral("Image11")).picture();
        return picture ? picture->width() : 0;
    }
    void clickNavigator(ui::DBNavigator::Button button)
    {
        auto& navigator = frm().get<ui::DBNavigator>(QStringLiteral("DBNavigator3"));
        const auto& buttons = navigator.visibleButtons();
        const int index = int(std::find(buttons.begin(), buttons.end(), button) - buttons.begin());
        const int width = navigator.width() / int(buttons.size());
        const QPoint corner = navigator.screenRect().topLeft() - frm().bounds().topLeft();
        input.clickAt(corner + QPoint(index * width + width / 2, navigator.height() / 2));
    }
    QStringList people()
    {
        return rows(QStringLiteral("SELECT * FROM Emprunteurs ORDER BY NumEmprunteur"),
                    {"NumEmprunteur", "EmpNom", "EmpPrenom", "Classe", "Etablissement", "Mail", "NumRNE", "NumINE_EAN13",
                     "RNE", "Niveau", "NbrEmpruntsMax", "NbrEmpruntsTotal", "NbrEmpruntsEnCours"});
    }
};

TEST_F(BorrowerScreenTest, OpeningShowsTheCurrentBorrowerWithPhotoAndFocusesTheSurname)
{
    openBorrowerScreen();
    EXPECT_TRUE(control("Panel2").visible());
    EXPECT_EQ(control("Panel2").top(), 44);
    EXPECT_FALSE(control("Gauge4").visible());
    EXPECT_TRUE(focused("Edit9"));
    EXPECT_EQ(edit("DBEdit22").text(), QStringLiteral("DUPONT"));
    EXPECT_EQ(shownPhotoWidth(), 40);
}

TEST_F(BorrowerScreenTest, AddingStoresTheNamesAsTheDeskUsesThemAndKeepsClassAndSchool)
{
    openBorrowerScreen();
    typeInto("Edit9", QStringLiteral(" o'brien "));
    typeInto("Edit11", QStringLiteral(" Seán "));
    typeInto("Edit13", QStringLiteral("CM1"));
    typeInto("Edit105", QStringLiteral("Ecole du Centre"));
    typeInto("Edit106", QStringLiteral("famille@example.org"));
    typeInto("Edit141", QStringLiteral("1 rue des Écoles"));
    typeInto("Edit142", QStringLiteral("Lyon"));
    typeInto("Edit143", QStringLiteral("France"));
    typeInto("Edit144", QStringLiteral("2025"));
    edit("Edit145").setText(QString());
    input.click(QStringLiteral("Button4"));

    EXPECT_EQ(people().last(), QStringLiteral("14|O'BRIEN|Seán|CM1|Ecole du Centre|famille@example.org|1 rue des Écoles|"
                                              "Lyon|France|2025|0||"));
    EXPECT_EQ(edit("DBEdit22").text(), QStringLiteral("O'BRIEN"));
    for (const char* emptied : {"Edit9", "Edit11", "Edit106"})
        EXPECT_TRUE(edit(emptied).text().isEmpty()) << emptied;
    EXPECT_EQ(edit("Edit13").text(), QStringLiteral("CM1"));
    EXPECT_EQ(edit("Edit105").text(), QStringLiteral("Ecole du Centre"));
    EXPECT_EQ(edit("Edit145").text(), QStringLiteral("0"));
    // The new borrower has no photo yet: the placeholder, not the photo of the one shown before.
    EXPECT_EQ(shownPhotoWidth(), 30);
}

TEST_F(BorrowerScreenTest, FeeIsRewrittenAsAnIntegerAndAnythingElseStoresNothing)
{
    openBorrowerScreen();
    typeInto("Edit9", QStringLiteral("Durand"));
    edit("Edit145").setText(QStringLiteral("007"));
    input.click(QStringLiteral("Button4"));
    EXPECT_EQ(edit("Edit145").text(), QStringLiteral("7"));
    EXPECT_TRUE(people().last().startsWith(QStringLiteral("14|DURAND|")));
    EXPECT_EQ(people().last().section(u'|', 10, 10), QStringLiteral("7"));

    const QStringList before = people();
    typeInto("Edit9", QStringLiteral("Petit"));
    edit("Edit145").setText(QStringLiteral("abc"));
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("Button4"));
    EXPECT_EQ(people(), before);
    EXPECT_EQ(dialogs.log().back().kind, ui::DialogRecord::Kind::Error);
    EXPECT_EQ(edit("Edit9").text(), QStringLiteral("Petit"));
}

TEST_F(BorrowerScreenTest, NothingIsAddedWithoutASurnameOrWithOneTooLong)
{
    openBorrowerScreen();
    const QStringList before = people();
    for (const QString& blank : {QString(), QStringLiteral("   ")}) {
        edit("Edit9").setText(blank);
        typeInto("Edit11", QStringLiteral("Jean"));
        input.click(QStringLiteral("Button4"));
        EXPECT_EQ(people(), before) << blank.size();
    }

    edit("Edit9").setText(QString(21, u'X'));
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("Button4"));
    EXPECT_EQ(people(), before);
    EXPECT_EQ(dialogs.log().back().kind, ui::DialogRecord::Kind::Error);
    EXPECT_EQ(edit("Edit9").text(), QString(21, u'X'));
    EXPECT_EQ(edit("Edit11").text(), QStringLiteral("JeanJean"));
}

TEST_F(BorrowerScreenTest, BrowsingShowsEachBorrowersPhotoOrThePlaceholder)
{
    openBorrowerScreen();
    input.click(QStringLiteral("Button16"));
    EXPECT_EQ(edit("DBEdit22").text(), QStringLiteral("MARTIN"));
    EXPECT_EQ(shownPhotoWidth(), 30);

    // At the last row ">" stays, and the photo is read again.
    writePhoto(QStringLiteral("MARTIN_Marie.jpg"), 50);
    input.click(QStringLiteral("Button16"));
    EXPECT_EQ(edit("DBEdit22").text(), QStringLiteral("MARTIN"));
    EXPECT_EQ(shownPhotoWidth(), 50);

    // The navigator and the grid move the photo with the row.
    clickNavigator(ui::DBNavigator::Button::First);
    EXPECT_EQ(edit("DBEdit22").text(), QStringLiteral("DUPONT"));
    EXPECT_EQ(shownPhotoWidth(), 40);
}

TEST_F(BorrowerScreenTest, APhotoThatIsNoPictureIsDeletedAndThePlaceholderShown)
{
    program.write(QStringLiteral("Photo_emprunteur/DUPONT_Jean.jpg"), "not a picture");
    openBorrowerScreen();
    EXPECT_EQ(shownPhotoWidth(), 30);
    EXPECT_FALSE(program.exists(QStringLiteral("Qvlzantor/Photo_emprunteur/DUPONT_Jean.jpg")));
    EXPECT_TRUE(program.exists(QStringLiteral("Qvlzantor/Photo_emprunteur/No_picture.jpg")));
}

TEST_F(BorrowerScreenTest, ABorrowerHoldingCopiesCannotBeDeleted)
{
    run(QStringLiteral("Insert into Table1 (Isbn13, Titre, EmpNom, EmpPrenom, NumEmprunteur) "
                       "Values ('9782070612758', 'Le Petit Prince', 'DUPONT', 'Jean', 12)"));
    openBorrowerScreen();
    const QStringList before = people();
    const size_t shown = dialogs.log().size();
    dialogs.answer(QStringLiteral("OK"));
    clickNavigator(ui::DBNavigator::Button::Delete);

    EXPECT_EQ(people(), before);
    ASSERT_EQ(dialogs.log().size(), shown + 1);
    EXPECT_EQ(dialogs.log().back().text,
              QStringLiteral("Jean DUPONT a encore 1 livre(s) à rendre : il ne peut pas être supprimé avant leur retour."));

    // Once the book is back, the same click deletes him after the usual question.
    run(QStringLiteral("UPDATE Table1 SET EmpNom='', EmpPrenom='', NumEmprunteur=0"));
    dialogs.answer(QStringLiteral("OK"));
    clickNavigator(ui::DBNavigator::Button::Delete);
    EXPECT_EQ(dialogs.log().back().text, ui::DBNavigator::deleteQuestion().text);
    ASSERT_EQ(people().size(), 1);
    EXPECT_TRUE(people().first().startsWith(QStringLiteral("13|MARTIN|")));
}

TEST(BorrowerPhotoName, NamesThatWouldLeaveThePhotoFolderHaveNoPhoto)
{
    const struct {
        const char* surname;
        const char* firstName;
        const char* name;
    } cases[] = {
        {"DUPONT", "Jean", "DUPONT_Jean.jpg"},
        {"O'BRIEN", "Marie-Ève", "O'BRIEN_Marie-Ève.jpg"},
        {"", "", "_.jpg"},
        {"DUPONT", "J.", "DUPONT_J..jpg"},
        {"..", "x", ".._x.jpg"},
        {"A/B", "Jean", ""},
        {"DUPONT", "..\\..\\Test1", ""},
    };
    for (const auto& c : cases) {
        const QString name = app::borrowerPhotoName(QString::fromUtf8(c.surname), QString::fromUtf8(c.firstName));
        EXPECT_EQ(name, QString::fromUtf8(c.name)) << c.surname << " " << c.firstName;
        EXPECT_EQ(app::borrowerPhotoPath(QString::fromUtf8(c.surname), QString::fromUtf8(c.firstName)),
                  name.isEmpty() ? QString() : QStringLiteral("Photo_emprunteur\\") + name);
    }
}

TEST_F(BorrowerScreenTest, HistoryButtonNeedsABorrowerAndHisFolder)
{
    openLoanScreen();
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("SpeedButton42"));
    EXPECT_EQ(dialogs.log().back().text, message(176));

    edit("Edit41").setText(QStringLiteral("12"));
    edit("Edit43").setText(QStringLiteral("DUPONT"));
    edit("Edit42").setText(QStringLiteral("Jean"));
    edit("Edit44").setText(QStringLiteral("CM1"));
    const QString folder = frm().AppDir + QStringLiteral("Historique_emprunt\\CM1\\DUPONT.Jean\\");
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("SpeedButton42"));
    EXPECT_EQ(dialogs.log().back().text, message(177) + folder);
    EXPECT_FALSE(control("Panel21").visible());

    ASSERT_TRUE(QDir().mkpath(program.folder(QStringLiteral("Historique_emprunt/CM1/DUPONT.Jean"))));
    const size_t shown = dialogs.log().size();
    input.click(QStringLiteral("SpeedButton42"));
    EXPECT_EQ(dialogs.log().size(), shown);
    EXPECT_TRUE(control("Panel21").visible());
}

TEST(LoanHistoryFolder, FollowsTheClassAndKeepsNamesInsideTheHistory)
{
    EXPECT_EQ(loans::loanHistoryFolder(QStringLiteral("CM1"), QStringLiteral("DUPONT"), QStringLiteral("Jean")),
              QStringLiteral("Historique_emprunt\\CM1\\DUPONT.Jean"));
    EXPECT_EQ(loans::loanHistoryFolder(QString(), QStringLiteral("DUPONT"), QStringLiteral("Jean")),
              QStringLiteral("Historique_emprunt\\DUPONT.Jean"));
    EXPECT_EQ(loans::loanHistoryFolder(QStringLiteral(".."), QStringLiteral("..\\X"), QStringLiteral("Jean")),
              QStringLiteral("Historique_emprunt\\_\\_\\X.Jean"));
}

}  // namespace
