#include "PupilsDatabase.h"

#include "pupils/PupilImport.h"

namespace {

pupils::PupilFile fileOf(const QStringList& lines)
{
    return *pupils::readPupilCsv(QStringList{QStringLiteral("EmpNom;EmpPrenom;Classe;")} + lines);
}

class PupilImport : public PupilsDatabase {
protected:
    pupils::ImportOutcome update(const QStringList& lines)
    {
        return pupils::updatePupils(*connection, fileOf(lines), [this] { ++steps; });
    }
    int steps = 0;
};

TEST_F(PupilImport, AddingTwiceAddsEveryPupilTwiceUnderNewNumbers)
{
    const pupils::PupilFile file = fileOf({"martin;Léa;CM1;", "petit;Hugo;CE2;"});
    pupils::addPupils(*connection, file, [] {});
    const pupils::ImportOutcome second = pupils::addPupils(*connection, file, [] {});
    EXPECT_EQ(second.added, 2);
    EXPECT_EQ(borrowers(), (QStringList{"1|MARTIN|Léa|CM1|", "2|PETIT|Hugo|CE2|", "3|MARTIN|Léa|CM1|",
                                        "4|PETIT|Hugo|CE2|"}));
}

TEST_F(PupilImport, UpdatingKeepsKnownPupilsAddsNewOnesAndDeletesLeavers)
{
    addBorrower("MARTIN", "Léa", "CE2");           // 1: known, moves up
    addBorrower("PETIT", "Hugo", "CM1");           // 2: leaver
    addBorrower("ROUX", "Anna", "CM2", "0");       // 3: new last time, leaver
    addBorrower("BLANC", "Tom", "CM2", "03/11/2025");  // 4: leaver who borrowed since: stays
    addBorrower("NOIR", "Eva", "CM2");             // 5: leaver holding a copy: stays
    addBorrower("DUO", "Max", "CP");               // 6 and 7: same names, both kept
    addBorrower("DUO", "Max", "CE1");
    addBorrower("LEGRAND", "Noé", "CP", "0");      // 8: new last time, still here
    addCopy("Le Petit Prince", "9782070612758", 5, "01/12/2025");

    const pupils::ImportOutcome outcome = update({
        "  Martin ;LÉA ;CE1  ;",   // matched without regard to case or blanks
        "legrand;Noé;CE1;",
        "DUO;Max;CE2;",
        "Nouveau;Ali;CP;",
        "NOUVEAU;Ali;CP;",          // twice in the file, added once
    });
    EXPECT_EQ(outcome.added, 1);
    EXPECT_EQ(outcome.updated, 2);
    EXPECT_EQ(outcome.deleted, 2);
    EXPECT_EQ(outcome.keptHolders, QStringList{"NOIR Eva (CM2)"});
    EXPECT_EQ(steps, 5);
    EXPECT_EQ(borrowers(), (QStringList{"1|MARTIN|Léa|CE1|", "4|BLANC|Tom|CM2|03/11/2025", "5|NOIR|Eva|CM2|",
                                        "6|DUO|Max|CP|", "7|DUO|Max|CE1|", "8|LEGRAND|Noé|CE1|",
                                        "9|NOUVEAU|Ali|CP|0"}));
}

TEST_F(PupilImport, UpdatingTwiceWithTheSameFileLeavesNoPupilMarkedNew)
{
    const QStringList file{"MARTIN;Léa;CM1;", "PETIT;Hugo;CE2;"};
    update(file);
    EXPECT_EQ(borrowers(), (QStringList{"1|MARTIN|Léa|CM1|0", "2|PETIT|Hugo|CE2|0"}));
    const pupils::ImportOutcome second = update(file);
    EXPECT_EQ(second.added, 0);
    EXPECT_EQ(second.deleted, 0);
    EXPECT_EQ(borrowers(), (QStringList{"1|MARTIN|Léa|CM1|", "2|PETIT|Hugo|CE2|"}));
}

}  // namespace
