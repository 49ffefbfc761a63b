// Every control the caption table names exists once every screen is built, but for the names
// that no screen lays out (their entries are empty in the delivered language file too).
#include "MainWindowFixture.h"

#include "app/CaptionAssignments.h"
#include "program/ProgramScreens.h"

#include <QSet>

namespace {

// Named by the caption table alone: no screen places them.
const QSet<QString>& captionNamesLaidOutByNoScreen()
{
    static const QSet<QString> names = {
        "Image90",  "Image91",  "Image95",  "Label7",   "Label11",  "Label13",  "Label14",  "Label15",
        "Label16",  "Label18",  "Label20",  "Label26",  "Label27",  "Label28",  "Label47",  "Label48",
        "Label53",  "Label54",  "Label55",  "Label69",  "Label89",  "Label90",  "Label96",  "Label100",
        "Label110", "Label112", "Label114", "Label136", "Label137", "Label138", "Label144", "Label152",
        "Label156", "Label158", "Label166", "Label167", "Label168", "Label169", "Label170", "Label171",
        "Label172", "Label177", "Label179", "Label180", "Label181", "Label184", "Label186", "Label188",
        "Label189", "Label191", "Label192", "Label193", "Label194", "Label195", "Label196", "Label210",
        "SpeedButton12",
    };
    return names;
}

}  // namespace

using CaptionTableControls = MainWindowTest;

// Expected to pass once the book screen's help buttons (Button87, Button88), its web-shop button
// (SpeedButton11) and its own SpeedButton33 are built; until then those names alone are reported.
TEST_F(CaptionTableControls, EveryNamedControlExistsButThoseNoScreenLaysOut)
{
    app::TFrmPrin& w = start({"Cancel"}, program::programScreens());
    QStringList missing;
    for (const app::CaptionAssignment& a : app::captionAssignments()) {
        const QString name = QString::fromLatin1(a.controlName);
        if (!w.control(name) && !captionNamesLaidOutByNoScreen().contains(name) && !missing.contains(name))
            missing << name;
    }
    EXPECT_TRUE(missing.isEmpty()) << missing.join(u' ').toStdString();
}
