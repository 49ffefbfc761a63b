#include "catalogue/BooksGrid.h"

#include "app/FrmPrin.h"
#include "app/Journal.h"
#include "app/Login.h"
#include "app/TextRoutines.h"
#include "catalogue/BooksGridFilter.h"
#include "catalogue/BooksGridLayout.h"
#include "platform/db/BulkScope.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/Input.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"

namespace catalogue {

namespace {

const QString kFound = QStringLiteral(" éléments trouvés");

}  // namespace

BooksGrid::BooksGrid(app::TFrmPrin& frm) : m_frm(frm)
{
    buildBooksGridControls(frm);
    auto bindClick = [&frm](const char* control, std::function<void()> handler) {
        frm.get<ui::Control>(QString::fromLatin1(control)).onClick = std::move(handler);
    };
    bindClick("Button96", [this] { Button96Click(); });
    bindClick("Button38", [this] { Button38Click(); });
    bindClick("Button89", [this] { Button89Click(); });
    bindClick("Button47", [this] { Button47Click(); });
    bindClick("Button36", [this] { Button36Click(); });
    bindClick("Button98", [this] { Button98Click(); });
    bindClick("Button59", [this] { Button59Click(); });
    // A thousand rows at a time belong to the record navigation, which binds them by name.
    for (const char* jump : {"SpeedButton48", "SpeedButton49"})
        bindClick(jump, [&frm, handler = QString::fromLatin1(jump) + QStringLiteral("Click")] {
            frm.handlers.run(handler);
        });
    frm.get<ui::Edit>(QStringLiteral("Edit67")).onKeyPress = [this](QChar& key) { Edit67KeyPress(key); };
    frm.get<ui::DBGrid>(QStringLiteral("DBGrid1")).onDblClick = [this] { DBGrid1DblClick(); };
    // The search-and-replace panel belongs to this tab alone.
    auto& pages = frm.get<ui::PageControl>(QStringLiteral("PageControl1"));
    pages.onChange = [&frm, previous = std::move(pages.onChange)] {
        frm.get<ui::Control>(QStringLiteral("RelativePanel1")).hide();
        if (previous)
            previous();
    };
}

void BooksGrid::Button96Click()
{
    app::TFrmPrin& f = m_frm;
    auto& field = f.get<ui::ComboBox>(QStringLiteral("ComboBox15"));
    auto& box = f.get<ui::Edit>(QStringLiteral("Edit67"));
    if (!field.text().isEmpty() && box.text().isEmpty())
        field.clear();
    const DirectAccess access = directAccess(field.text(), box.text());
    db::Table& books = f.db.ADOTable1;
    switch (access.outcome) {
    case DirectAccess::Outcome::Unchanged: return;
    case DirectAccess::Outcome::ShowAll: books.setFiltered(false); return;
    case DirectAccess::Outcome::Filter: break;
    }
    books.open();
    books.setFilter(access.criteria, {access.value});
    if (access.choosesBookNumberField)
        field.setText(QStringLiteral("NumLivre"));
    books.setFiltered(true);
    books.setActive(true);
    books.last();
    box.clear();
}

void BooksGrid::Edit67KeyPress(QChar& key)
{
    app::TFrmPrin& f = m_frm;
    auto& box = f.get<ui::Edit>(QStringLiteral("Edit67"));
    if (box.text().size() == 13) {
        if (box.text().startsWith(QStringLiteral("çè_")))
            box.setText(FixAzertyDigits(box.text()));
        // A title of 13 characters: Enter is left to the box.
        if (box.text()[1] > u'@')
            return;
        box.setText(FixAzertyDigits(box.text()));
    }
    if (key != QChar(u'\r'))
        return;
    // The click lands on Button96, which lies under that offset.
    f.MovePointer(600, 520);
    f.get<ui::Button>(QStringLiteral("Button96")).setFocus();
    f.application().input().leftClick();
}

BooksGrid::Searched BooksGrid::searchField(const char* field, const char* operatorBox, const char* value,
                                           const char* countLabel, bool inField)
{
    app::TFrmPrin& f = m_frm;
    auto& fieldBox = f.get<ui::CustomEdit>(QString::fromLatin1(field));
    auto& operatorText = f.get<ui::CustomEdit>(QString::fromLatin1(operatorBox));
    auto& valueBox = f.get<ui::CustomEdit>(QString::fromLatin1(value));
    auto& count = f.get<ui::Control>(QString::fromLatin1(countLabel));
    db::Table& books = f.db.ADOTable1;
    const QString fieldName = fieldBox.text();
    if (fieldName.isEmpty() || valueBox.text().isEmpty()) {
        books.setFilter(kAllRowsFilter);
        books.setSort(kBookNumberSort);
        books.setFiltered(true);
        books.setActive(true);
        books.first();
        fieldBox.clear();
        valueBox.clear();
        if (!inField)
            operatorText.setText(QStringLiteral(" ="));
        count.setText(QString::number(books.recordCount()) + kFound);
        return Searched::Reset;
    }
    const FieldSearch search = fieldSearch(fieldName, operatorText.text(), valueBox.text(),
                                           inField ? SearchPanel::InField : SearchPanel::SearchAndReplace);
    if (search.operatorText)
        operatorText.setText(*search.operatorText);
    if (search.criteria)
        books.setFilter(*search.criteria, {search.value});
    books.setSort(fieldName + QStringLiteral(" ASC"));
    books.setFiltered(true);
    books.setActive(true);
    books.first();
    count.setText(QString::number(books.recordCount()) + kFound);
    return Searched::Filtered;
}

void BooksGrid::Button38Click() { searchField("ComboBox15", "ComboBox19", "Edit160", "Label245", true); }

void BooksGrid::Button89Click() { m_frm.get<ui::Control>(QStringLiteral("RelativePanel1")).show(); }

void BooksGrid::Button47Click(const PanelControls& panel)
{
    app::TFrmPrin& f = m_frm;
    auto& value = f.get<ui::CustomEdit>(QString::fromLatin1(panel.value));
    if (f.get<ui::CustomEdit>(QString::fromLatin1(panel.field)).text() == QStringLiteral("IMP_CodeBarres")) {
        if (value.text() == QStringLiteral("Vrai"))
            value.setText(QStringLiteral("True"));
        else if (value.text() == QStringLiteral("Faux"))
            value.setText(QStringLiteral("False"));
    }
    searchField(panel.field, panel.operatorBox, panel.value, panel.countLabel, false);
}

void BooksGrid::Button98Click() { m_frm.get<ui::Control>(QStringLiteral("RelativePanel1")).hide(); }

void BooksGrid::Button36Click()
{
    app::TFrmPrin& f = m_frm;
    const QString searched = f.get<ui::CustomEdit>(QStringLiteral("Edit157")).text();
    const QString replacement = f.get<ui::CustomEdit>(QStringLiteral("Edit159")).text();
    if (searched == replacement) {
        f.application().showMessage(QStringLiteral("Rien à changer ?!"));
        return;
    }
    if (!app::AdministratorPasswordReask(f, f.tables.dialog(35)))
        return;
    db::Table& books = f.db.ADOTable1;
    books.open();
    const PanelControls& panel = kReplacePanel;
    if (searchField(panel.field, panel.operatorBox, panel.value, panel.countLabel, false) == Searched::Reset)
        return;
    const std::optional<QString> answer =
        f.application().dialogs().input(ui::InputRequest{f.tables.dialog(39), f.tables.dialog(40), QString()});
    if (!answer || *answer == QStringLiteral("n"))
        return;

    // Each matching row once, every occurrence in one go, the rest of its text as it was: a
    // replacement that still matches is not replaced again.
    db::Field field = books.fieldByName(f.get<ui::CustomEdit>(QString::fromLatin1(panel.field)).text());
    std::vector<qint64> keys;
    for (books.first(); !books.eof(); books.next())
        keys.push_back(books.currentKey());
    int changed = 0;
    {
        db::BulkScope scope(f.db.ADOConnection1);
        for (const qint64 key : keys) {
            if (!books.goToKey(key))
                continue;
            const QString before = field.asString();
            const QString after = QString(before).replace(searched, replacement, Qt::CaseInsensitive);
            if (after == before)
                continue;
            books.edit();
            field.setAsString(after);
            books.post();
            ++changed;
        }
    }
    f.get<ui::Control>(QString::fromLatin1(panel.countLabel)).setText(QString::number(changed) +
                                                                      QStringLiteral(" Changements "));
}

void BooksGrid::DBGrid1DblClick()
{
    auto& grid = m_frm.get<ui::DBGrid>(QStringLiteral("DBGrid1"));
    const QString column = grid.columns().value(grid.selectedColumn());
    if (grid.readOnly() || (column != QStringLiteral("IMP_CodeBarres") && column != QStringLiteral("Empruntable")))
        return;
    std::optional<db::Field> field = grid.selectedField();
    if (!field)
        return;
    field->dataSet().edit();
    field->setAsBoolean(!field->asBoolean());
    field->dataSet().post();
}

void BooksGrid::Button59Click()
{
    app::TFrmPrin& f = m_frm;
    if (f.application().messageBox(f.tables.dialog(31), f.tables.dialog(32), ui::MessageButtons::OkCancel,
                                   ui::MessageIcon::Warning) != ui::ModalResult::Ok) {
        f.ShowMessageEntry(223);
        return;
    }
    db::Table& books = f.db.ADOTable1;
    books.open();
    if (books.isEmpty())
        return;
    auto text = [&books](const char* name) { return books.fieldByName(QString::fromLatin1(name)).asString(); };
    if (!text("EmpNom").isEmpty()) {
        f.ShowMessageEntry(224);
        return;
    }
    const QString number = text("NbrExemplaire");
    if (number == QStringLiteral("1") && text("MaxExemplaire") == QStringLiteral("Vrai")) {
        deleteCurrentCopy(true);
    } else if (number > QStringLiteral("1")) {
        deleteCurrentCopy(false);
    } else {
        renumberGroupOf(text("Isbn13"));
        // Told, so that the renumbering is not taken for a deletion.
        f.application().showMessage(QStringLiteral("Cet exemplaire n'est pas effacé : les exemplaires de ce titre "
                                                   "viennent d'être renumérotés. Un titre garde son exemplaire n° 1 "
                                                   "tant qu'il en a d'autres : effacez d'abord ceux-ci."));
    }
    books.close();
    books.open();
    books.last();
}

void BooksGrid::deleteCurrentCopy(bool onlyCopy)
{
    app::TFrmPrin& f = m_frm;
    db::Table& books = f.db.ADOTable1;
    auto text = [&books](const char* name) { return books.fieldByName(QString::fromLatin1(name)).asString(); };
    const QString line = journal::deletionLine(!onlyCopy, f.application().clock().currentDateTime().date(),
                                               text("Isbn13"), text("Titre"), text("Auteur"), text("Editeur"),
                                               text("Images"));
    books.remove();
    if (!journal::appendJournalLine(f.OutputFile, f.AppDir, line))
        f.application().messageBox(QStringLiteral("Le livre est effacé, mais la ligne du journal n'a pas pu être "
                                                  "ajoutée au fichier ") +
                                       f.AppDir + QStringLiteral("Journal.csv"),
                                   f.application().title(), ui::MessageButtons::Ok, ui::MessageIcon::Warning);
}

void BooksGrid::renumberGroupOf(const QString& isbn13)
{
    db::Query& ars = m_frm.db.ars;
    ars.setSql(QStringLiteral("SELECT * FROM table1 WHERE Isbn13 = ? ORDER BY NbrExemplaire"), {isbn13});
    ars.open();
    db::BulkScope scope(ars.connection());
    int number = 0;
    for (ars.first(); !ars.eof(); ars.next()) {
        ars.edit();
        ars.fieldByName(QStringLiteral("NbrExemplaire")).setAsInteger(++number);
        ars.fieldByName(QStringLiteral("MaxExemplaire")).setAsBoolean(false);
        ars.post();
    }
    if (!ars.isEmpty()) {
        ars.last();
        ars.edit();
        ars.fieldByName(QStringLiteral("MaxExemplaire")).setAsBoolean(true);
        ars.post();
    }
    ars.refresh();
}

}  // namespace catalogue
