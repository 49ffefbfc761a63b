// What data-aware controls hear through a data source, and the chance they get to write
// typed text before a post.
#include "platform/db/DataSource.h"
#include "platform/db/Table.h"
#include "tests/platform/db/TestDatabase.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// A control bound to one field that remembers what it heard; typed text is written at
// updateRecord, as an edit control does.
class Recorder : public db::DataLink {
public:
    ~Recorder() override
    {
        if (source)
            source->removeLink(this);
    }
    void dataSetChanged() override { heard << "data"; }
    void currentRowChanged() override { heard << "row"; }
    void fieldChanged(const db::Field& field) override { heard << "field " + field.name(); }
    void stateChanged() override { heard << "state"; }
    void dataSourceDestroyed(db::DataSource& gone) override
    {
        heard << "source gone";
        if (&gone == source)
            source = nullptr;
    }
    void updateRecord() override
    {
        heard << "update";
        if (!typed.isEmpty() && source->dataSet()) {
            source->dataSet()->fieldByName("EmpNom").setAsString(typed);
            typed.clear();
        }
    }

    QStringList take() { return std::exchange(heard, {}); }

    db::DataSource* source = nullptr;
    QString typed;
    QStringList heard;
};

class DataSourceLinks : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.run({"Insert into Emprunteurs (EmpNom) Values ('A')", "Insert into Emprunteurs (EmpNom) Values ('B')"});
        control.source = &source;
        source.addLink(&control);
    }

    dbtest::TestDatabase db;
    db::Table borrowers{db.connection(), "Emprunteurs", "NumEmprunteur"};
    db::DataSource source{&borrowers};
    Recorder control;
};

TEST_F(DataSourceLinks, ControlsHearEveryChangeOfTheirDataSet)
{
    borrowers.open();
    EXPECT_EQ(control.take(), (QStringList{"state", "data"}));
    borrowers.next();
    EXPECT_EQ(control.take(), QStringList{"row"});
    borrowers.edit();
    borrowers.fieldByName("Classe").setAsString("CM1");
    EXPECT_EQ(control.take(), (QStringList{"state", "field Classe"}));
    borrowers.post();
    EXPECT_EQ(control.take(), (QStringList{"update", "state", "data"}));
    borrowers.close();
    EXPECT_EQ(control.take(), (QStringList{"state", "data"}));
}

TEST_F(DataSourceLinks, TypedTextIsWrittenBeforeAPostOrAMove)
{
    borrowers.open();
    borrowers.edit();
    control.typed = "DUPONT";
    borrowers.post();
    EXPECT_EQ(db.keys("Select * From Emprunteurs WHERE EmpNom = 'DUPONT'"), std::vector<qint64>{1});

    borrowers.edit();
    control.typed = "MARTIN";
    borrowers.next();  // the move posts what the control wrote
    EXPECT_EQ(db.keys("Select * From Emprunteurs WHERE EmpNom = 'MARTIN'"), std::vector<qint64>{1});
    EXPECT_EQ(borrowers.recNo(), 2);
}

TEST_F(DataSourceLinks, ASourceFollowsTheDataSetItIsGivenAndForgetsADestroyedOne)
{
    auto other = std::make_unique<db::Table>(db.connection(), "Table1");
    source.setDataSet(other.get());
    EXPECT_EQ(control.take(), (QStringList{"data", "state"}));
    borrowers.open();
    EXPECT_EQ(control.take(), QStringList{});
    other.reset();
    EXPECT_EQ(source.dataSet(), nullptr);
    EXPECT_EQ(control.take(), (QStringList{"data", "state"}));
}

TEST_F(DataSourceLinks, ASourceDestroyedBeforeItsControlsTellsThem)
{
    auto early = std::make_unique<db::DataSource>(&borrowers);
    Recorder other;
    other.source = early.get();
    early->addLink(&other);
    early->addLink(&control);
    early->removeLink(&control);
    early.reset();
    EXPECT_EQ(other.take(), QStringList{"source gone"});
    EXPECT_EQ(other.source, nullptr);
    EXPECT_EQ(control.take(), QStringList{});
}

}  // namespace
