// The offline ISBN list: codes saved, imported into the book screen and handed to the look-up
// one after the other from the last up, the file keeping what is not used up yet.
#include "tests/exchange/ExchangeWindowFixture.h"

#include "exchange/IsbnList.h"
#include "platform/ui/Edit.h"

namespace {

using exchange::IsbnEntryUse;

TEST(IsbnList, EntriesAreLookedUpDroppedOrKept)
{
    EXPECT_EQ(exchange::isbnEntryUse(QStringLiteral("9782070540907")), IsbnEntryUse::LookUp);
    EXPECT_EQ(exchange::isbnEntryUse(QStringLiteral("9791034724525")), IsbnEntryUse::LookUp);
    EXPECT_EQ(exchange::isbnEntryUse(QStringLiteral("207054090X")), IsbnEntryUse::LookUp);
    EXPECT_EQ(exchange::isbnEntryUse(QStringLiteral("3780000000001")), IsbnEntryUse::Keep);
    EXPECT_EQ(exchange::isbnEntryUse(QString()), IsbnEntryUse::Drop);
    EXPECT_EQ(exchange::isbnEntryUse(QStringLiteral("12345")), IsbnEntryUse::Drop);
    EXPECT_EQ(exchange::remainingIsbnList({"a", "b", "", "kept", ""}, 1), (QStringList{"a", "b", "kept"}));
    EXPECT_EQ(exchange::remainingIsbnList({"", "kept"}, 0), QStringList{"kept"});
}

class IsbnListScreen : public ExchangeWindow {};

TEST_F(IsbnListScreen, SavedCodesComeBackOneAfterTheOtherFromTheLast)
{
    startLoggedIn();
    input.menu(QStringLiteral("Outils > Ajouter des N°  à la liste ISBN"));
    EXPECT_TRUE(frm().get<ui::WinControl>(QStringLiteral("Memo3")).focused());
    input.type(QStringLiteral("9782070540907\r3780000000001\r9791034724525\r 207054090X \r9782070612758"));
    input.click(QStringLiteral("Button30"));  // the first list creates the file
    EXPECT_EQ(fileLines(QStringLiteral("hors_connexion.csv")).size(), 5);

    input.menu(QStringLiteral("Outils > Importer de la liste N° ISBN"));
    EXPECT_TRUE(frm().IsbnListMode);
    EXPECT_EQ(text("Edit1"), QStringLiteral("9782070612758"));
    EXPECT_TRUE(frm().get<ui::Control>(QStringLiteral("Button31")).visible());

    const auto next = [this] {
        input.click(QStringLiteral("Button31"));
        return text("Edit1");
    };
    EXPECT_EQ(next(), QStringLiteral("207054090X"));  // trimmed, handed over
    EXPECT_EQ(fileLines(QStringLiteral("hors_connexion.csv")),
              (QStringList{"9782070540907", "3780000000001", "9791034724525", ""}));
    EXPECT_EQ(next(), QStringLiteral("9791034724525"));  // a 979 ISBN is looked up too
    next();                                               // not an ISBN: left where it is
    EXPECT_EQ(next(), QStringLiteral("9782070540907"));
    EXPECT_FALSE(frm().get<ui::Control>(QStringLiteral("Button31")).visible());
    EXPECT_EQ(fileLines(QStringLiteral("hors_connexion.csv")), QStringList{"3780000000001"});
}

TEST_F(IsbnListScreen, ExportWritesEveryBookCodeAndBarcode)
{
    startLoggedIn();
    sql(QStringLiteral("Insert into Table1 (Titre,Type,Isbn13,CodeBarres) Values ('a','LIVRE','00012','*00012*')"));
    sql(QStringLiteral("Insert into Table1 (Titre,Type,Isbn13,CodeBarres) Values ('b','DVD','1234567890123','x')"));
    sql(QStringLiteral("Insert into Table1 (Titre,Type,Isbn13,CodeBarres) Values ('c','LIVRE','','')"));
    dialogs.answer(QStringLiteral("OK"));
    input.menu(QStringLiteral("Outils > Exporter N° ISBN"));
    EXPECT_EQ(fileLines(QStringLiteral("hors_connexion.csv")), QStringList{"00012"});
    EXPECT_EQ(fileLines(QStringLiteral("ISBN.txt")), QStringList{"*00012*"});
}

}  // namespace
