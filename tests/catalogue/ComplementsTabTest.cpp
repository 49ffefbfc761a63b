// The values of the Compléments tab written into copies: keywords added to the descriptors, and
// the carry-over boxes written into every copy left, in the copy left only.
#include "ComplementsFixture.h"

#include "platform/ui/Keys.h"

class ComplementsTabTest : public ComplementsTest {
protected:
    void typeInto(const char* name, const QString& value)
    {
        input.click(QString::fromLatin1(name));
        if (!value.isEmpty())
            input.type(value);
    }
    void setStored(int copy, const char* field, const QString& value)
    {
        frm().db.ADOConnection1.execute(QStringLiteral("UPDATE Table1 SET %1 = ? WHERE Titre = ?").arg(QString::fromLatin1(field)),
                                        {value, QStringLiteral("Livre %1").arg(copy)});
    }
};

TEST_F(ComplementsTabTest, KeywordsAreAddedBehindTheDescriptorsInCapitals)
{
    start({"Cancel"}, screens());
    addBook(QStringLiteral("9782070000011"), QStringLiteral("Livre 1"), QStringLiteral("c1.jpg"));
    setStored(1, "Descripteur", QStringLiteral(".CHAT"));
    logIn();
    selectTab("TabSheet2");
    typeInto("ComboBox1", QStringLiteral(" chien "));
    typeInto("ComboBox3", QStringLiteral("forêt"));
    input.selectItem(frm().get<ui::ComboBox>(QStringLiteral("ComboBox4")), 7);
    input.click(QStringLiteral("SpeedButton47"));
    EXPECT_EQ(copyField(1, "Descripteur"), QStringLiteral(".CHAT.CHIEN.FORêT.DEWEY 8"));
    for (const char* box : {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4"})
        EXPECT_TRUE(edit(box).text().isEmpty()) << box;
    // Descriptors longer than their column are cut to it.
    typeInto("ComboBox1", QString(300, u'a'));
    input.click(QStringLiteral("SpeedButton47"));
    EXPECT_EQ(copyField(1, "Descripteur").size(), 255);
}

TEST_F(ComplementsTabTest, OwnerAndThemeGoIntoEachCopyLeftAndAreEmptiedWhenTheDirectionChanges)
{
    openWithCopies(12);
    books().setRecNo(8);
    typeInto("Edit25", QStringLiteral("classe cm2 "));
    typeInto("Edit26", QStringLiteral("contes"));
    // The first move after the screen opened starts a direction: nothing is carried yet.
    input.click(QStringLiteral("SpeedButton16"));
    EXPECT_EQ(copyField(8, "Proprio"), "");
    EXPECT_TRUE(edit("Edit25").text().isEmpty());

    typeInto("Edit25", QStringLiteral("classe cm2 "));
    typeInto("Edit26", QStringLiteral("contes"));
    input.click(QStringLiteral("SpeedButton16"));
    input.click(QStringLiteral("SpeedButton16"));
    EXPECT_EQ(copyField(9, "Proprio"), "CLASSE CM2");
    EXPECT_EQ(copyField(10, "Mot_Cle"), "CONTES");
    EXPECT_EQ(copyField(11, "Proprio"), "") << "the copy reached is not written";
    EXPECT_EQ(currentField("Titre"), "Livre 11");

    input.click(QStringLiteral("SpeedButton15"));
    EXPECT_EQ(copyField(11, "Proprio"), "");
    EXPECT_TRUE(edit("Edit25").text().isEmpty());
}

TEST_F(ComplementsTabTest, PreviousWritesIntoTheCopyLeftEvenAtTheEndOfTheList)
{
    openWithCopies(12);
    input.click(QStringLiteral("SpeedButton15"));  // to the copy before the last
    typeInto("Edit25", QStringLiteral("bcd"));
    input.click(QStringLiteral("SpeedButton15"));
    EXPECT_EQ(copyField(11, "Proprio"), "BCD");
    EXPECT_EQ(currentField("Titre"), "Livre 10");
    for (int copy : {9, 10, 12})
        EXPECT_EQ(copyField(copy, "Proprio"), "") << copy;
}

TEST_F(ComplementsTabTest, TheCarriedPlaceFillsOnlyCopiesWithoutOneAndTheGenreOnlyOnSave)
{
    start({"Cancel"}, screens());
    for (int n = 1; n <= 3; ++n)
        addBook(QStringLiteral("978207000001%1").arg(n), QStringLiteral("Livre %1").arg(n),
                QStringLiteral("absent.jpg"));
    setStored(2, "LieuRangement", QStringLiteral("Bureau.jpg"));
    logIn();
    selectTab("TabSheet2");
    input.click(QStringLiteral("SpeedButton6"));
    typeInto("ComboBox11", QStringLiteral("Etagere A.jpg"));
    typeInto("ComboBox12", QStringLiteral("Conte"));
    input.click(QStringLiteral("SpeedButton16"));
    input.click(QStringLiteral("SpeedButton16"));
    EXPECT_EQ(copyField(1, "LieuRangement"), "Etagere A.jpg");
    // Its place has no picture: the box shows the placeholder, the copy keeps its place.
    EXPECT_EQ(copyField(2, "LieuRangement"), "Bureau.jpg");
    EXPECT_EQ(copyField(1, "Genre"), "");
    // Shown for a missing cover, the placeholder's name is never written into a copy.
    EXPECT_EQ(booksColumn("Images"), (QStringList{"absent.jpg", "absent.jpg", "absent.jpg"}));

    input.click(QStringLiteral("SpeedButton47"));
    EXPECT_EQ(copyField(3, "Genre"), "Conte");
    EXPECT_EQ(copyField(3, "LieuRangement"), "Etagere A.jpg");
    EXPECT_EQ(edit("ComboBox11").text(), "Etagere A.jpg");
    EXPECT_EQ(edit("ComboBox12").text(), "Conte");
}

TEST_F(ComplementsTabTest, ACopyLeftWithASummaryButNoDescriptorsGetsThoseOfTheThesaurus)
{
    openWithCopies(3);
    input.click(QStringLiteral("SpeedButton6"));
    typeInto("DBMemo1", QStringLiteral("Un chat et un chien dans la forêt."));
    input.click(QStringLiteral("SpeedButton16"));
    EXPECT_EQ(copyField(1, "Descripteur"), ".CHAT.CHIEN.FORET");
    EXPECT_EQ(copyField(1, "Resume"), "Un chat et un chien dans la forêt.");
}
