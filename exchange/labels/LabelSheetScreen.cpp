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
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RichEdit.h"

#include <QDir>
#include <algorithm>
#include <limits>

namespace labels {

namespace {

const QString kSheetFile = QStringLiteral("Etiquettes.RTF");

bool checked(app::TFrmPrin& frm, const char* name) { return frm.get<ui::CheckBox>(QString::fromLatin1(name)).checked(); }

ui::RichEdit& sheetControl(app::TFrmPrin& frm)
{
    buildLabelScreenControls(frm);
    return frm.get<ui::RichEdit>(QStringLiteral("Richedit1"));
}

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

LabelSheetScreen::LabelSheetScreen(app::TFrmPrin& frm)
    : printSheet(printOnCurrentPrinter), m_frm(frm), m_sheet(sheetControl(frm), frm.db.ars)
{
    frm.handlers.bind(QStringLiteral("Etiquettecodebarre1Click"), [this] { Etiquettecodebarre1Click(); });
    const auto onClick = [&frm](const char* name, std::function<void()> handler) {
        frm.get<ui::Control>(QString::fromLatin1(name)).onClick = std::move(handler);
    };
    onClick("SpeedButton35", [this] { SpeedButton35Click(); });
    onClick("Button17", [this] { Imprime_EtiquetteClick(); });
    onClick("Image102", [this] { Imprime_EtiquetteClick(); });
    onClick("SpeedButton38", [this] { SpeedButton38Click(); });
    onClick("Button25", [this] { Button25Click(); });
    app::Settings& s = frm.settings;
    const LayoutBounds b = layoutBounds();
    onClick("Button23", [this, &s, b] { changeLayout(s.NbreColCB, 1, b.columns); });  // Augmente_ColonneClick
    onClick("Button20", [this, &s, b] { changeLayout(s.NbreColCB, -1, b.columns); });  // Diminue_ColonneClick
    onClick("Button22", [this, &s, b] { changeLayout(s.EspaceInterCol, 1, b.columnGap); });  // Augmente_Largeur_LigneClick
    onClick("Button21", [this, &s, b] { changeLayout(s.EspaceInterCol, -1, b.columnGap); });  // Diminue_Largeur_LigneClick
    onClick("SpeedButton39", [this, &s, b] { changeLayout(s.EspaceInterCol, 5, b.columnGap); });
    onClick("SpeedButton40", [this, &s, b] { changeLayout(s.EspaceInterCol, -5, b.columnGap); });
    onClick("Button18", [this, &s, b] { changeLayout(s.EspaceInterLigne, 1, b.rowGap); });  // Augmenter_espace_ligneClick
    onClick("Button19", [this, &s, b] { changeLayout(s.EspaceInterLigne, -1, b.rowGap); });  // Diminuer_espace_LigneClick
}

void LabelSheetScreen::Etiquettecodebarre1Click()
{
    app::TFrmPrin& f = m_frm;
    f.HideAllScreens();
    f.get<ui::Control>(QStringLiteral("Panel8")).show();
    f.get<ui::PageControl>(QStringLiteral("PageControl4")).setActivePage(&f.get<ui::TabSheet>(QStringLiteral("TabSheet9")));
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
    for (const char* name : {"Edit76", "Edit77", "Edit78"}) {
        auto& box = f.get<ui::CustomEdit>(QString::fromLatin1(name));
        if (box.text().isEmpty())
            box.setText(QStringLiteral("1"));
    }
    // One after the other: a box that is not a number stops there, the values before it taken.
    const LayoutBounds bounds = layoutBounds();
    bool bounded = false;
    const auto take = [&f, &bounded](int& setting, const char* box, int most) {
        const int typed = text::StrToInt(f.get<ui::CustomEdit>(QString::fromLatin1(box)).text());
        setting = std::min(typed, most);
        bounded = bounded || setting != typed;
    };
    take(f.settings.NbreColCB, "Edit76", bounds.columns);
    take(f.settings.EspaceInterCol, "Edit77", bounds.columnGap);
    take(f.settings.EspaceInterLigne, "Edit78", bounds.rowGap);
    // A value past what a page holds is shown as the one taken.
    if (bounded)
        showSettings();

    const bool books = checked(f, "CheckBox22");
    const bool otherMedia = checked(f, "CheckBox24");
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
    f.db.ars.addSql(labelQuerySql(typeCondition(checked(f, "CheckBox22"), checked(f, "CheckBox24")),
                                  chosenOrder(f, kSheetOrderButtons)));
    f.db.ars.open();
}

void LabelSheetScreen::Imprime_EtiquetteClick()
{
    app::TFrmPrin& f = m_frm;
    // A print that cannot start ends here, its error shown: nothing asked, every flag kept.
    printSheet(f.get<ui::RichEdit>(QStringLiteral("Richedit1")));
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
    if (checked(f, "CheckBox11"))
        m_sheet.BuildEan13Labels(s.NbreColCB, s.EspaceInterCol, s.EspaceInterLigne);
    else
        m_sheet.clear();
    if (checked(f, "CheckBox12"))
        m_sheet.BuildCode39Labels(s.NbreColCB, s.EspaceInterCol, s.EspaceInterLigne);
    if (checked(f, "CheckBox40"))
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
    m_frm.get<ui::CustomEdit>(QStringLiteral("Edit76")).setText(QString::number(s.NbreColCB));
    m_frm.get<ui::CustomEdit>(QStringLiteral("Edit77")).setText(QString::number(s.EspaceInterCol));
    m_frm.get<ui::CustomEdit>(QStringLiteral("Edit78")).setText(QString::number(s.EspaceInterLigne));
}

void LabelSheetScreen::saveSheet()
{
    richtext::saveRtf(richtext::documentOf(m_frm.get<ui::RichEdit>(QStringLiteral("Richedit1")).runs()), m_frm.AppDir + kSheetFile);
}

}  // namespace labels
