#include "app/CaptionAssignments.h"

#include <QMap>
#include <QSet>
#include <gtest/gtest.h>

using namespace app;

TEST(CaptionAssignments, TableCoversItsEntriesInOrder)
{
    const auto all = captionAssignments();
    EXPECT_EQ(all.size(), 299u);
    QSet<int> entries;
    int previous = -1;
    int hints = 0;
    for (const CaptionAssignment& a : all) {
        EXPECT_GE(a.entry, previous);
        previous = a.entry;
        entries.insert(a.entry);
        hints += a.property == CaptionProperty::Hint;
    }
    EXPECT_EQ(hints, 31);
    for (int unassigned : {26, 118, 119, 183, 251, 254})
        EXPECT_FALSE(entries.contains(unassigned)) << unassigned;
    EXPECT_EQ(entries.size(), 290 - 6);
    EXPECT_EQ(previous, 289);
}

TEST(CaptionAssignments, ApplySkipsControlsThatDoNotExist)
{
    LanguageTables tables;
    tables.CaptionTable[0] = "Titre";
    tables.CaptionTable[95] = "Rendre";
    tables.CaptionTable[127] = "Chercher";

    const QSet<QString> built = {"Label25", "ToolButton2", "Button51", "SpeedButton8"};
    QMap<QString, QString> captions, hintTexts;
    const int applied = applyCaptionTable(tables, [&](const QString& name, CaptionProperty property, const QString& text) {
        if (!built.contains(name))
            return false;
        (property == CaptionProperty::Hint ? hintTexts : captions)[name] = text;
        return true;
    });
    EXPECT_EQ(applied, 4);
    EXPECT_EQ(captions.value("Label25"), "Titre");
    EXPECT_EQ(captions.value("Button51"), "Chercher");
    EXPECT_EQ(captions.value("SpeedButton8"), "Chercher");
    EXPECT_EQ(hintTexts.value("ToolButton2"), "Rendre");
    EXPECT_FALSE(captions.contains("ToolButton2"));
}
