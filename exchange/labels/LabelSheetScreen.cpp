#include "exchange/labels/LabelSheetScreen.h"

#include "app/FrmPrin.h"
#include "exchange/labels/LabelFlags.h"
#include "exchange/labels/LabelQuery.h"
#include "exchange/labels/LabelScreenLayout.h"
#include "exchange/labels/LabelPrinting.h"
#include "platform/files/WindowsPath.h"
#include "platform/shell/Shell.h"
#include "platform/richtext/Document.h"
#include "platform/richtext/RichEditContent.h"
#include "platform/richtext/RtfWriter.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Image.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/SpeedButton.h"

#include <QDir>
#include <algorithm>
#include <limits>

namespace labels {

namespace {

const QString kSheetFile = QStringLiteral("Etiquettes.RTF");

struct LayoutBounds {
    int columns;
    int columnGap;
    int rowGap;
};

// The most a page of the sheet holds of its finest text, Courier New 8 (0.6 em a character, 9
// points a line): more labels a row, blanks or empty lines than that only make blank pages.
LayoutBounds layoutBounds()
{
    constexpr int kCourier8Advance = 8 * 20 * 6 / 10;  // twips
    constexpr int kCourier8Line = 9 * 20;
    const richtext::PageSetup page;
    const int charactersPerLine = (page.paperWidth - page.marginLeft - page.marginRight) / kCourier8Advance;
    const int linesPerPage = (page.paperHeight - page.marginTop - page.marginBottom) / kCourier8Line;
    return {charactersPerLine, charactersPerLine, linesPerPage};
}

}  // namespace

LabelSheetScreen::LabelSheetScreen(app::TFrmPrin& frm, const LabelScreenControls& controls)
    : printSheet(printOnCurrentPrinter), m_frm(frm), m_controls(controls), m_sheet(controls.sheet, frm.db.ars)
{
    frm.handlers.bind(QStringLiteral("Etiquettecodebarre1Click"), [this] { Etiquettecodebarre1Click(); });
    const LabelScreenControls& c = m_controls;
    c.updateSheet.onClick = [this] { SpeedButton35Click(); };
    c.printSheet.onClick = [this] { Imprime_EtiquetteClick(); };
    c.printSheetPicture.onClick = [this] { Imprime_EtiquetteClick(); };
    c.preview.onClick = [this] { SpeedButton38Click(); };
    c.help.onClick = [this] { Button25Click(); };
    app::Settings& s = frm.settings;
    const LayoutBounds b = layoutBounds();
    c.moreColumns.onClick = [this, &s, b] { changeLayout(s.NbreColCB, 1, b.columns); };  // Augmente_ColonneClick
    c.fewerColumns.onClick = [this, &s, b] { changeLayout(s.NbreColCB, -1, b.columns); };  // Diminue_ColonneClick
    c.widerColumnGap.onClick = [this, &s, b] { changeLayout(s.EspaceInterCol, 1, b.columnGap); };  // Augmente_Largeur_LigneClick
    c.narrowerColumnGap.onClick = [this, &s, b] { changeLayout(s.EspaceInterCol, -1, b.columnGap); };  // Diminue_Largeur_LigneClick
    c.widerColumnGap5.onClick = [this, &s, b] { changeLayout(s.EspaceInterCol, 5, b.columnGap); };
    c.narrowerColumnGap5.onClick = [this, &s, b] { changeLayout(s.EspaceInterCol, -5, b.columnGap); };
    c.widerRowGap.onClick = [this, &s, b] { changeLayout(s.EspaceInterLigne, 1, b.rowGap); };  // Augmenter_espace_ligneClick
    c.narrowerRowGap.onClick = [this, &s, b] { changeLayout(s.EspaceInterLigne, -1, b.rowGap); };  // Diminuer_espace_LigneClick
}

void LabelSheetScreen::Etiquettecodebarre1Click()
{
    app::TFrmPrin& f = m_frm;
    f.HideAllScreens();
    m_controls.screen.show();
    m_controls.pages.setActivePage(&m_controls.sheetTab);
    // The scratch query holds whatever the screen before left in it (borrowers, a statement
    // half written): the sheet is built from the label query.
    runLabelQuery();
    // Values from the settings file of an earlier version may lie past the bounds.
    const LayoutBounds bounds = layoutBounds();
    app::Settings& s = f.settings;
    s.NbreColCB = std::min(s.NbreColCB, bounds.columns);
    s.EspaceInterCol = std::min(s.EspaceInterCol, bounds.columnGap);
    s.EspaceInterLigne = std::min(s.EspaceInterLigne, bounds.rowGap);
    rebuild();
    showSettings();
}

void LabelSheetScreen::SpeedButton35Click()
{
    app::TFrmPrin& f = m_frm;
    for (ui::Edit* box : {&m_controls.columns, &m_controls.columnGap, &m_controls.rowGap}) {
        if (box->text().isEmpty())
            box->setText(QStringLiteral("1"));
    }
    // One after the other: a box that is not a number stops there, the values before it taken.
    const LayoutBounds bounds = layoutBounds();
    bool bounded = false;
    const auto take = [&bounded](int& setting, const ui::Edit& box, int most) {
        const int typed = text::StrToInt(box.text());
        setting = std::min(typed, most);
        bounded = bounded || setting != typed;
    };
    take(f.settings.NbreColCB, m_controls.columns, bounds.columns);
    take(f.settings.EspaceInterCol, m_controls.columnGap, bounds.columnGap);
    take(f.settings.EspaceInterLigne, m_controls.rowGap, bounds.rowGap);
    // A value past what a page holds is shown as the one taken.
    if (bounded)
        showSettings();

    const bool books = m_controls.books.checked();
    const bool otherMedia = m_controls.otherMedia.checked();
    db::Table& table = f.db.ADOTable1;
    table.open();
    table.setFilter(typeFilter(books, otherMedia));
    table.setFiltered(true);
    table.setActive(true);
    table.last();

    runLabelQuery();
    rebuild();
    saveSheet();
}

void LabelSheetScreen::runLabelQuery()
{
    app::TFrmPrin& f = m_frm;
    f.db.ars.clearSql();
    f.db.ars.addSql(labelQuerySql(typeCondition(m_controls.books.checked(), m_controls.otherMedia.checked()),
                                  chosenOrder(m_controls.sheetOrder)));
    f.db.ars.open();
}

void LabelSheetScreen::Imprime_EtiquetteClick()
{
    app::TFrmPrin& f = m_frm;
    // A print that cannot start ends here, its error shown: nothing asked, every flag kept.
    printSheet(m_controls.sheet);
    if (f.application().messageBox(f.tables.dialog(13), f.tables.dialog(14), ui::MessageButtons::OkCancel,
                                   ui::MessageIcon::Warning) != ui::ModalResult::Ok) {
        f.ShowMessageEntry(115);
        return;
    }
    // Only the copies on the sheet were printed: the others stay flagged for the next sheet.
    clearLabelFlags(f, m_sheet.placedCopies());
    f.db.ars.close();
    f.db.ars.setSql(QStringLiteral("SELECT * FROM table1"));
    f.db.ars.open();
    f.db.ADOTable1.refresh();
    const app::Settings& s = f.settings;
    m_sheet.BuildEan13Labels(s.NbreColCB, s.EspaceInterCol, s.EspaceInterLigne);
    m_sheet.BuildCode39Labels(s.NbreColCB, s.EspaceInterCol, s.EspaceInterLigne);
}

void LabelSheetScreen::SpeedButton38Click()
{
    // The preview reads the label file from the working folder it inherits: the program folder.
    const QString folder = files::nativePath(m_frm.AppDir);
    if (!m_frm.services().shell.start(QDir(folder).filePath(QStringLiteral("Preview")), {}))
        m_frm.application().showMessage(QStringLiteral("Le programme d'aperçu ne peut pas être lancé."));
}

void LabelSheetScreen::Button25Click()
{
    m_frm.services().shell.open(files::nativePath(m_frm.AppDir + QStringLiteral("Documentation\\Astuce_codebarre_livre.htm")));
}

void LabelSheetScreen::rebuild()
{
    app::TFrmPrin& f = m_frm;
    const app::Settings& s = f.settings;
    if (m_controls.isbn13Labels.checked())
        m_sheet.BuildEan13Labels(s.NbreColCB, s.EspaceInterCol, s.EspaceInterLigne);
    else
        m_sheet.clear();
    if (m_controls.code39Labels.checked())
        m_sheet.BuildCode39Labels(s.NbreColCB, s.EspaceInterCol, s.EspaceInterLigne);
    if (m_controls.copyLabels.checked())
        m_sheet.BuildNumberLabels(s.NbreColCB, s.EspaceInterCol, s.EspaceInterLigne);
}

void LabelSheetScreen::changeLayout(int& setting, int step, int most)
{
    // Down without end, as the sheet takes any value below 1 as none; up to what a page holds.
    setting = int(std::clamp<qint64>(qint64(setting) + step, std::numeric_limits<int>::min(), most));
    rebuild();
    showSettings();
    saveSheet();
}

void LabelSheetScreen::showSettings()
{
    const app::Settings& s = m_frm.settings;
    m_controls.columns.setText(QString::number(s.NbreColCB));
    m_controls.columnGap.setText(QString::number(s.EspaceInterCol));
    m_controls.rowGap.setText(QString::number(s.EspaceInterLigne));
}

void LabelSheetScreen::saveSheet()
{
    richtext::saveRtf(richtext::documentOf(m_controls.sheet.runs()), m_frm.AppDir + kSheetFile);
}

}  // namespace labels
