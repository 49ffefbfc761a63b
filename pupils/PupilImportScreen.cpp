#include "pupils/PupilImportScreen.h"

#include "app/FrmPrin.h"
#include "loans/BorrowerScreen.h"
#include "platform/db/Query.h"
#include "platform/db/Transaction.h"
#include "platform/files/ShownPath.h"
#include "platform/files/TextFile.h"
#include "platform/files/WindowsPath.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/Gauge.h"
#include "platform/ui/Panel.h"
#include "platform/ui/WebBrowser.h"
#include "pupils/BorrowerCardsScreen.h"
#include "pupils/BorrowerNumbering.h"

#include <stdexcept>

namespace pupils {

namespace {

const QString kCsvFilter = QStringLiteral("Base Eleves|*.csv|Tous|*.*");
const QString kTextFilter = QStringLiteral("Fichier texte|*.txt|Tous|*.*");
const QString kWrongFormat = QStringLiteral("Mauvais format de fichier");
const QString kHelpPage = QStringLiteral("Base_eleve\\Importer_eleves.html");
const QString kDump = QStringLiteral("Bibliotheque2.csv");

QString numbers(const QList<int>& lines)
{
    QStringList texts;
    for (int n : lines)
        texts << QString::number(n);
    return texts.join(QStringLiteral(", "));
}

}  // namespace

PupilImportScreen::PupilImportScreen(app::TFrmPrin& frm, const PupilImportControls& controls)
    : m_frm(frm), m_controls(controls)
{
    frm.handlers.bind(QStringLiteral("ImporterBaselve1Click"), [this] { ImporterBaselve1Click(); });
    frm.handlers.bind(QStringLiteral("ImporterFichierTXT1Click"), [this] { ImporterFichierTXT1Click(); });
    controls.import.onClick = [this] { ImporterElevescsv1Click(); };
}

void PupilImportScreen::ImporterBaselve1Click()
{
    m_frm.HideAllScreens();
    m_controls.screen.show();
    m_controls.page.navigate(QStringLiteral("file:") + files::nativePath(m_frm.AppDir + kHelpPage));
}

PupilImportScreen::Mode PupilImportScreen::chosenMode() const
{
    if (m_controls.updating.checked())
        return Mode::Updating;
    if (m_controls.restarting.checked())
        return Mode::Restarting;
    return Mode::Continuing;
}

void PupilImportScreen::showBorrowerScreen()
{
    m_frm.HideAllScreens();
    m_frm.get<ui::Panel>(QStringLiteral("Panel2")).show();
    m_frm.db.ADOTable3.setActive(true);
}

std::optional<QStringList> PupilImportScreen::chooseFile(const QString& filter)
{
    const std::optional<QString> chosen =
        m_frm.application().dialogs().openFile(ui::OpenFileRequest{QString(), filter, m_frm.AppDir, QString()});
    if (!chosen || chosen->isEmpty())
        return std::nullopt;
    QByteArray bytes;
    if (!files::readRegularFile(files::nativePath(*chosen), bytes))
        throw std::runtime_error(QStringLiteral("Le fichier %1 ne peut pas être lu").arg(files::shownPath(*chosen)).toStdString());
    return pupilFileLines(bytes);
}

void PupilImportScreen::setGaugeVisible(bool visible)
{
    if (const auto* borrowers = m_frm.findPart<loans::BorrowerScreen>())
        borrowers->controls().progress.setVisible(visible);
}

void PupilImportScreen::advanceGauge()
{
    m_progress = m_progress >= 100 ? 1 : m_progress + 1;
    if (const auto* borrowers = m_frm.findPart<loans::BorrowerScreen>())
        borrowers->controls().progress.setProgress(m_progress);
}

void PupilImportScreen::ImporterElevescsv1Click()
{
    app::TFrmPrin& f = m_frm;
    showBorrowerScreen();
    f.application().showMessage(f.tables.message(90) + u'\r' + f.tables.message(91) + u'\r' + f.tables.message(92));
    setGaugeVisible(true);
    const Mode mode = chosenMode();
    if (mode != Mode::Continuing)
        f.ShowMessageEntry(94);
    if (mode == Mode::Updating) {
        if (auto* cards = f.findPart<BorrowerCardsScreen>())
            cards->hideClassOnCards();
    }
    if (mode == Mode::Restarting) {
        db::Query count(f.db.ADOConnection1);
        count.setSql(QStringLiteral("Select * From Emprunteurs"));
        count.open();
        if (count.recordCount() > 2) {
            f.ShowMessageEntry(95);
            return;
        }
        const int out = copiesOut(f.db.ADOConnection1);
        if (out > 0) {
            f.application().showMessage(
                QStringLiteral("%1 livre(s) encore prêté(s) : les N° des emprunteurs ne peuvent redémarrer avec 1 "
                               "qu'une fois tous les livres rendus.").arg(out));
            return;
        }
    }
    const std::optional<QStringList> lines = chooseFile(kCsvFilter);
    if (!lines) {
        setGaugeVisible(false);
        return;
    }
    const std::optional<PupilFile> file = readPupilCsv(*lines);
    if (!file) {
        f.application().showMessage(kWrongFormat);
        return;
    }
    ImportOutcome outcome;
    m_progress = 0;
    const auto progress = [this] { advanceGauge(); };
    if (mode == Mode::Updating) {
        outcome = updatePupils(f.db.ADOConnection1, *file, progress);
    } else {
        const QString header = QString(lines->first()).remove(u'"');
        f.application().showMessage(header + u' ' + QString::number(header.count(u';')));
        if (mode == Mode::Restarting) {
            DumpBooksToBibliotheque2(f.db.ADOConnection1, files::nativePath(f.AppDir + kDump));
            db::Transaction transaction(f.db.ADOConnection1);
            restartBorrowerNumbering(f.db.ADOConnection1);
            outcome = addPupils(f.db.ADOConnection1, *file, progress);
            transaction.commit();
        } else {
            outcome = addPupils(f.db.ADOConnection1, *file, progress);
        }
        setGaugeVisible(false);
    }
    refreshBorrowers();
    report(*file, outcome, mode);
}

void PupilImportScreen::ImporterFichierTXT1Click()
{
    app::TFrmPrin& f = m_frm;
    showBorrowerScreen();
    f.application().showMessage(f.tables.message(96) + u'\r' + f.tables.message(97));
    const std::optional<QStringList> lines = chooseFile(kTextFilter);
    if (!lines)
        return;
    const PupilFile file = readPupilText(*lines);
    m_progress = 0;
    const ImportOutcome outcome = addPupils(f.db.ADOConnection1, file, [this] { advanceGauge(); });
    refreshBorrowers();
    report(file, outcome, Mode::Continuing);
}

void PupilImportScreen::refreshBorrowers()
{
    db::Table& borrowers = m_frm.db.ADOTable3;
    borrowers.close();
    borrowers.setActive(true);
    borrowers.last();
    if (auto* cards = m_frm.findPart<BorrowerCardsScreen>())
        cards->fillClasses();
}

// Every pupil of the file is accounted for: added, updated, or on a line named here.
void PupilImportScreen::report(const PupilFile& file, const ImportOutcome& outcome, Mode mode)
{
    QString text = QStringLiteral("Élèves ajoutés : %1").arg(outcome.added);
    if (mode == Mode::Updating)
        text += QStringLiteral("\rClasses mises à jour : %1\rEmprunteurs partis, supprimés : %2")
                    .arg(outcome.updated)
                    .arg(outcome.deleted);
    if (!outcome.keptHolders.isEmpty())
        text += QStringLiteral("\rPartis mais gardés, des livres sont encore prêtés à leur nom : ") +
                outcome.keptHolders.join(QStringLiteral(", "));
    if (!file.skippedLines.isEmpty())
        text += QStringLiteral("\rLignes ignorées, sans nom ou sans prénom (%1) : %2")
                    .arg(file.skippedLines.size())
                    .arg(numbers(file.skippedLines));
    m_frm.application().showMessage(text);
}

}  // namespace pupils
