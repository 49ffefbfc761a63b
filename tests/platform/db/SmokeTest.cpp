#include "platform/db/BulkScope.h"
#include "platform/db/Query.h"
#include "platform/db/Table.h"
#include "tests/platform/db/TestDatabase.h"

#include <gtest/gtest.h>

TEST(Smoke, InsertSelectEditPost)
{
    dbtest::TestDatabase t;
    t.run({"Insert into table1 (Titre,Type,Prix_Client,NbrExemplaire) Values ('L''école','LIVRE','12,50','3')",
           "Insert into table1 (Titre,Type) Values ('Zoo','livre')",
           "Insert into table1 (Titre,Type) Values ('Ecole','DVD')"});
    db::Query ars(t.connection());
    ars.clearSql();
    ars.addSql("Select * From table1 WHERE Titre like 'l''é%'");
    ars.open();
    ASSERT_EQ(ars.recordCount(), 1);
    EXPECT_EQ(ars.fieldByName("titre").asString(), "L'école");
    EXPECT_EQ(ars.fieldByName("Prix_Client").asString(), "12,5");
    EXPECT_EQ(ars.fieldByName("Empruntable").asString(), "Vrai");
    EXPECT_EQ(ars.fieldByName("NumEmprunteur").asString(), "0");
    ars.edit();
    ars.fieldByName("DateEmprunt").setAsString("08/12/2025");
    ars.post();
    EXPECT_EQ(ars.fieldByName("DateEmprunt").asString(), "08/12/2025");

    db::Table table(t.connection(), "Table1", "NumLivre");
    table.setFilter("Type=\"LIVRE\"");
    table.setFiltered(true);
    table.open();
    EXPECT_EQ(table.recordCount(), 2);
}
