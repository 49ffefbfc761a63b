#include "exchange/labels/LabelSheetScreen.h"

#include "app/FrmPrin.h"
#include "exchange/labels/LabelFlags.h"
#include "exchange/labels/LabelQuery.h"
#include "exchange/labels/LabelScreenLayout.h"
#include "exchange/labels/LabelPrinting.h"
#include "platform/files/WindowsPath.h"
#include "platform/shell/Shell.h"
#include "platform/richtext/RichEditContent.h"
#include "platform/richtext/RtfWriter.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RichEdit.h"

#include <QDir>

namespace labels {

namespace {

const QString kSheetFile = QStringLiteral("Etiquettes.RTF");

bool checked(app::TFrmPrin& frm, const char* name) { return frm.get<ui::CheckBox>(QString::fromLatin1(name)).checked(); }

ui::RichEdit& sheetControl(app::TFrmPrin& frm)
{
    buildLabelScreenControls(frm);
    return frm.get<ui::RichEdit>(QStringLiteral("Richedit1"));
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
    onClick("Button23", [this, &s] { changeLayout(s.NbreColCB, 1); });         // Augmente_ColonneClick
    onClick("Button20", [this, &s] { changeLayout(s.NbreColCB, -1); });        // Diminue_ColonneClick
    onClick("Button22", [this, &s] { changeLayout(s.EspaceInterCol, 1); });    // Augmente_Largeur_LigneClick
    onClick("Button21", [this, &s] { changeLayout(s.EspaceInterCol, -1); });   // Diminue_Largeur_LigneClick
    onClick("SpeedButton39", [this, &s] { changeLayout(s.EspaceInterCol, 5); });
    onClick("SpeedButton40", [this, &s] { changeLayout(s.EspaceInterCol, -5); });
    onClick("Button18", [this, &s] { changeLayout(s.EspaceInterLigne, 1); });  // Augmenter_espace_ligneClick
    onClick("Button19", [this, &s] { changeLayout(s.EspaceInterLigne, -1); }); // Diminuer_espace_LigneClick
}

void LabelSheetScreen::Etiquettecodebarre1Click()
{
    app::TFrmPrin& f = m_frm;
    f.HideAllScreens();
    f.get<ui::Control>(QStringLiteral("Panel8")).show();
    f.get<ui::PageControl>(QStringLiteral("PageControl4")).setActivePage(&f.get<ui::TabSheet>(QStringLiteral("TabSheet9")));
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
    f.settings.NbreColCB = text::StrToInt(f.get<ui::CustomEdit>(QStringLiteral("Edit76")).text());
    f.settings.EspaceInterCol = text::StrToInt(f.get<ui::CustomEdit>(QStringLiteral("Edit77")).text());
    f.settings.EspaceInterLigne = text::StrToInt(f.get<ui::CustomEdit>(QStringLiteral("Edit78")).text());

    const bool books = checked(f, "CheckBox22");
    const bool otherMedia = checked(f, "CheckBox24");
    db::Table& table = f.db.ADOTable1;
    table.open();
    table.setFilter(typeFilter(books, otherMedia));
    table.setFiltered(true);
    table.setActive(true);
    table.last();

    f.db.ars.clearSql();
    f.db.ars.addSql(labelQuerySql(typeCondition(books, otherMedia), chosenOrder(f, kSheetOrderButtons)));
    f.db.ars.open();
    rebuild();
    saveSheet();
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

void LabelSheetScreen::changeLayout(int& setting, int step)
{
    setting += step;
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
