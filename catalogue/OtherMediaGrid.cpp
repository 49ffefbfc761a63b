#include "catalogue/OtherMediaGrid.h"

#include "app/FrmPrin.h"
#include "app/TextRoutines.h"
#include "catalogue/BookCodes.h"
#include "catalogue/OtherMediaScreen.h"
#include "platform/db/Query.h"
#include "platform/files/FileOps.h"
#include "platform/files/FolderFileName.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/Edit.h"

namespace catalogue {

OtherMediaGrid::OtherMediaGrid(app::TFrmPrin& frm, const OtherMediaScreen& screen)
    : m_frm(frm), m_controls(screen.controls())
{
    m_controls.directAccess.onKeyPress = [this](QChar& key) { Edit128KeyPress(key); };
    m_controls.directAccessButton.onClick = [this] { Button10Click(); };
    m_controls.grid.onDblClick = [this] { DBGrid2DblClick(); };
    m_controls.erase.onClick = [this] { Button37Click(); };
}

void OtherMediaGrid::Edit128KeyPress(QChar&)
{
    ui::Edit& box = m_controls.directAccess;
    if (box.text().size() == 13)
        box.setText(FixAzertyDigits(box.text()));
}

void OtherMediaGrid::Button10Click()
{
    ui::Edit& box = m_controls.directAccess;
    if (box.text().isEmpty()) {
        db::Table& items = m_frm.db.ADOTable1;
        items.setFilter(kOtherMediaFilter);
        items.setFiltered(true);
        items.setActive(true);
        items.last();
        return;
    }
    QString code = FixAzertyDigits(box.text());
    if (code.size() < 5)
        code = code.rightJustified(5, u'0');
    if (code.size() != 13 && code.size() != 5)
        return;
    applyFilter(QStringLiteral("ISBN13 = ?"), {code});
    box.clear();
}

void OtherMediaGrid::applyFilter(const QString& criteria, const db::Params& params)
{
    db::Table& items = m_frm.db.ADOTable1;
    items.setFilter(criteria, params);
    items.setFiltered(true);
    items.setActive(true);
    items.last();
}

void OtherMediaGrid::DBGrid2DblClick()
{
    ui::DBGrid& grid = m_controls.grid;
    std::optional<db::Field> field = grid.selectedField();
    if (grid.readOnly() || !field || field->readOnly())
        return;
    const QString name = field->name();
    if (name != QLatin1String("IMP_CodeBarres") && name != QLatin1String("Empruntable"))
        return;
    db::DataSet& items = field->dataSet();
    items.edit();
    field->setAsBoolean(!field->asBoolean());
    items.post();
}

void OtherMediaGrid::Button37Click()
{
    app::TFrmPrin& f = m_frm;
    ui::Application& app = f.application();
    db::Table& items = f.db.ADOTable1;
    if (app.messageBox(f.tables.dialog(31), f.tables.dialog(32), ui::MessageButtons::OkCancel,
                       ui::MessageIcon::Warning) != ui::ModalResult::Ok) {
        f.ShowMessageEntry(223);
        return;
    }
    items.open();
    if (items.isEmpty())
        return;
    if (!items.fieldByName(QStringLiteral("EmpNom")).asString().isEmpty()) {
        f.ShowMessageEntry(224);
        return;
    }
    const QString cover = items.fieldByName(QStringLiteral("Images")).asString();
    items.remove();
    // Other copies of the code show the same cover.
    db::Query& ars = f.db.ars;
    ars.setSql(QStringLiteral("SELECT * FROM table1 WHERE Images = ?"), {cover});
    ars.open();
    const bool shared = !ars.isEmpty();
    ars.close();
    const QString coverFile = files::folderFilePath(f.AppDir + kCoversFolder, cover);
    if (!shared && !coverFile.isEmpty() && cover.compare(kNoPicture, Qt::CaseInsensitive) != 0)
        files::deleteFile(coverFile);
}

}  // namespace catalogue
