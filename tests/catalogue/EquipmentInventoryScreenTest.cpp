// The equipment register: its opener, objects typed in through the record buttons, walked with
// their pictures, and the input the table refuses.
#include "BookScreenFixture.h"

#include "catalogue/EquipmentInventoryLayout.h"
#include "catalogue/EquipmentInventoryScreen.h"
#include "platform/ui/DBNavigator.h"
#include "platform/ui/PageControl.h"

namespace {

using NavButton = ui::DBNavigator::Button;

class EquipmentTest : public BookScreenTest {
protected:
    void startAndOpen()
    {
        std::vector<app::ScreenInstaller> screens = bookScreens();
        screens.push_back([](app::TFrmPrin& frm) {
            frm.addPart<catalogue::EquipmentInventoryScreen>(frm, catalogue::buildEquipmentInventoryControls(frm));
        });
        start({"Cancel"}, screens);
        logIn();
        open();
    }
    void open() { input.menu(QStringLiteral("Inventaire du matériel > Nouvel objet")); }
    void clickNavigator(NavButton button)
    {
        auto& navigator = frm().get<ui::DBNavigator>(QStringLiteral("DBNavigator2"));
        application.post([&navigator, button] { navigator.userClickButton(button); });
        input.process();
    }
    // A new object with its name and picture file, saved.
    void enterObject(const QString& name, const QString& photo)
    {
        clickNavigator(NavButton::Insert);
        fill("DBEdit8", name);
        fill("DBEdit11", photo);
        clickNavigator(NavButton::Post);
    }
    QStringList objectsColumn(const char* field)
    {
        db::Query q(frm().db.ADOConnection1);
        q.setSql(QStringLiteral("SELECT * FROM Inventaire ORDER BY [N°]"));
        q.open();
        QStringList values;
        for (q.first(); !q.eof(); q.next())
            values << q.fieldByName(QString::fromUtf8(field)).asString();
        return values;
    }
    QSize pictureSize() { return image("Image1").picture() ? image("Image1").picture()->size() : QSize(); }
    void writePhoto(const QString& name)
    {
        program.write(QStringLiteral("Photo_Inventaire/") + name, program.read(QStringLiteral("Reserve/Accueil.jpg")));
    }
};

}  // namespace

TEST_F(EquipmentTest, AnEmptyRegisterOpensWithThePlaceholderAndGoesNowhere)
{
    startAndOpen();
    EXPECT_TRUE(control("Panel3").visible());
    EXPECT_FALSE(control("Panel4").visible());
    EXPECT_EQ(control("Panel3").top(), 44);
    EXPECT_EQ(frm().get<ui::PageControl>(QStringLiteral("PageControl2")).activePage()->name(), "TabSheet4");
    EXPECT_EQ(edit("DBEdit8").text(), "");
    const QSize placeholder = pictureSize();
    EXPECT_TRUE(placeholder.isValid());
    input.click(QStringLiteral("Button5"));
    input.click(QStringLiteral("Button6"));
    EXPECT_EQ(edit("DBEdit8").text(), "");
    EXPECT_EQ(pictureSize(), placeholder);
    EXPECT_TRUE(objectsColumn("Nom").isEmpty());
}

TEST_F(EquipmentTest, ObjectsAreEnteredAndWalkedWithTheirPictures)
{
    writePhoto(QStringLiteral("pc.jpg"));
    startAndOpen();
    const QSize placeholder = pictureSize();
    enterObject(QStringLiteral("Ordinateur"), QStringLiteral("pc.jpg"));
    enterObject(QStringLiteral("Ballon"), QString());
    enterObject(QStringLiteral("Vélo"), QStringLiteral("velo.jpg"));
    EXPECT_EQ(objectsColumn("Nom"), (QStringList{"Ordinateur", "Ballon", "Vélo"}));
    EXPECT_EQ(objectsColumn("N°"), (QStringList{"1", "2", "3"}));

    // Read again in the order of their numbers, from the first.
    clickNavigator(NavButton::Refresh);
    clickNavigator(NavButton::First);
    EXPECT_EQ(edit("DBEdit8").text(), "Ordinateur");
    EXPECT_EQ(edit("DBEdit5").text(), "1");
    // The record buttons leave the picture; "<" at the first object only shows its picture.
    EXPECT_EQ(pictureSize(), placeholder);
    input.click(QStringLiteral("Button6"));
    EXPECT_EQ(edit("DBEdit8").text(), "Ordinateur");
    EXPECT_NE(pictureSize(), placeholder);
    input.click(QStringLiteral("Button5"));
    EXPECT_EQ(edit("DBEdit8").text(), "Ballon");
    EXPECT_EQ(pictureSize(), placeholder);
    input.click(QStringLiteral("Button5"));
    input.click(QStringLiteral("Button5"));
    EXPECT_EQ(edit("DBEdit8").text(), "Vélo");
    EXPECT_EQ(pictureSize(), placeholder);
    // The placeholder is only shown: the objects keep the picture names they store.
    EXPECT_EQ(edit("DBEdit11").text(), "velo.jpg");
    fill("DBEdit9", QStringLiteral("2"));
    clickNavigator(NavButton::Post);
    EXPECT_EQ(objectsColumn("FichierPhoto"), (QStringList{"pc.jpg", "", "velo.jpg"}));
    EXPECT_EQ(objectsColumn("Nombre").last(), "2");
}

TEST_F(EquipmentTest, OpeningAgainKeepsTheObjectShownLast)
{
    startAndOpen();
    enterObject(QStringLiteral("Ordinateur"), QString());
    enterObject(QStringLiteral("Ballon"), QString());
    // A new object is inserted before the one shown.
    input.click(QStringLiteral("Button5"));
    input.menu(QStringLiteral("Livres > Nouveaux livres"));
    EXPECT_FALSE(control("Panel3").visible());
    open();
    EXPECT_EQ(edit("DBEdit8").text(), "Ordinateur");
}

TEST_F(EquipmentTest, TextTooLongForItsColumnIsRefusedAndStaysTyped)
{
    startAndOpen();
    clickNavigator(NavButton::Insert);
    fill("DBEdit8", QStringLiteral("Tableau blanc"));
    fill("DBEdit6", QString(51, u'x'));
    dialogs.answer(QStringLiteral("OK"));
    clickNavigator(NavButton::Post);
    EXPECT_EQ(dialogs.log().back().kind, ui::DialogRecord::Kind::Error);
    EXPECT_TRUE(objectsColumn("Nom").isEmpty());
    EXPECT_EQ(edit("DBEdit6").text(), QString(51, u'x'));
    // Corrected, the same object is saved.
    fill("DBEdit6", QStringLiteral("Mobilier"));
    clickNavigator(NavButton::Post);
    EXPECT_EQ(objectsColumn("Nom"), QStringList{"Tableau blanc"});
    EXPECT_EQ(objectsColumn("Type"), QStringList{"Mobilier"});
}
