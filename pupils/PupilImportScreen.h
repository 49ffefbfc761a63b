#pragma once
// The pupil import screen (Panel1) and the two imports: the CSV export of the national pupil
// base in its three modes (numbers continuing, numbers restarting at 1, updating the known
// pupils) and the simple text file. Each import checks the whole file before it writes, writes
// in one transaction, moves the borrower screen's gauge, and ends with what it skipped.
#include "pupils/PupilFile.h"
#include "pupils/PupilImport.h"
#include "pupils/PupilImportControls.h"

#include <optional>

namespace app {
class TFrmPrin;
}

namespace pupils {

class PupilImportScreen {
public:
    PupilImportScreen(app::TFrmPrin& frm, const PupilImportControls& controls);

    const PupilImportControls& controls() const { return m_controls; }

    // Menu Emprunteurs "Importer Onde": the screen with its help page.
    void ImporterBaselve1Click();
    // Button14: the CSV import in the mode chosen.
    void ImporterElevescsv1Click();
    // Menu Emprunteurs "Importer Emprunteur .TXT".
    void ImporterFichierTXT1Click();

private:
    enum class Mode { Continuing, Restarting, Updating };
    Mode chosenMode() const;
    void showBorrowerScreen();
    // The chosen file's lines; std::nullopt when the dialog is cancelled.
    std::optional<QStringList> chooseFile(const QString& filter);
    void advanceGauge();
    void setGaugeVisible(bool visible);
    void report(const PupilFile& file, const ImportOutcome& outcome, Mode mode);
    void refreshBorrowers();

    app::TFrmPrin& m_frm;
    PupilImportControls m_controls;
    int m_progress = 0;
};

}  // namespace pupils
