#include "catalogue/BooksGrid.h"

#include "app/FrmPrin.h"
#include "app/Journal.h"
#include "app/Login.h"
#include "app/TextRoutines.h"
#include "catalogue/BooksGridFilter.h"
#include "catalogue/BookEntryScreen.h"
#include "platform/db/BulkScope.h"
#include "platform/files/ShownPath.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/DBNavigator.h"
#include "platform/ui/SpeedButton.h"
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

BooksGrid::BooksGrid(app::TFrmPrin& frm, const BookEntryScreen& entry, const BooksGridControls& controls)
    : m_frm(frm), m_controls(controls)
{
    const BooksGridControls& c = m_controls;
    c.directAccessButton.onClick = [this] { Button96Click(); };
    c.searchInField.onClick = [this] { Button38Click(); };
    c.openReplace.onClick = [this] { Button89Click(); };
    c.search.onClick = [this] { Button47Click(m_controls.replaceSearch); };
    c.replace.onClick = [this] { Button36Click(); };
    c.cancel.onClick = [this] { Button98Click(); };
    c.erase.onClick = [this] { Button59Click(); };
    // A thousand rows at a time belong to the record navigation, which binds them by name.
    c.thousandForward.onClick = [&frm] { frm.handlers.run(QStringLiteral("SpeedButton48Click")); };
    c.thousandBack.onClick = [&frm] { frm.handlers.run(QStringLiteral("SpeedButton49Click")); };
    c.directAccess.onKeyPress = [this](QChar& key) { Edit67KeyPress(key); };
    c.grid.onDblClick = [this] { DBGrid1DblClick(); };
    // The search-and-replace panel belongs to this tab alone.
    ui::PageControl& pages = entry.controls().tabs;
    pages.onChange = [&panel = c.replacePanel, previous = std::move(pages.onChange)] {
        panel.hide();
        if (previous)
            previous();
    };
}

void BooksGrid::Button96Click()
{
    app::TFrmPrin& f = m_frm;
    ui::ComboBox& field = m_controls.fieldSearch.field;
    ui::Edit& box = m_controls.directAccess;
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
    ui::Edit& box = m_controls.directAccess;
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
    m_controls.directAccessButton.setFocus();
    f.application().input().leftClick();
}

BooksGrid::Searched BooksGrid::searchField(const GridSearchControls& panel, bool inField)
{
    app::TFrmPrin& f = m_frm;
    ui::ComboBox& fieldBox = panel.field;
    ui::ComboBox& operatorText = panel.comparison;
    ui::Edit& valueBox = panel.value;
    ui::Label& count = panel.count;
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

void BooksGrid::Button38Click() { searchField(m_controls.fieldSearch, true); }

void BooksGrid::Button89Click() { m_controls.replacePanel.show(); }

void BooksGrid::Button47Click(const GridSearchControls& panel)
{
    ui::Edit& value = panel.value;
    if (panel.field.text() == QStringLiteral("IMP_CodeBarres")) {
        if (value.text() == QStringLiteral("Vrai"))
            value.setText(QStringLiteral("True"));
        else if (value.text() == QStringLiteral("Faux"))
            value.setText(QStringLiteral("False"));
    }
    searchField(panel, false);
}

void BooksGrid::Button98Click() { m_controls.replacePanel.hide(); }

void BooksGrid::Button36Click()
{
    app::TFrmPrin& f = m_frm;
    const GridSearchControls& panel = m_controls.replaceSearch;
    const QString searched = panel.value.text();
    const QString replacement = m_controls.replacement.text();
    if (searched == replacement) {
        f.application().showMessage(QStringLiteral("Rien à changer ?!"));
        return;
    }
    if (!app::AdministratorPasswordReask(f, f.tables.dialog(35)))
        return;
    db::Table& books = f.db.ADOTable1;
    books.open();
    if (searchField(panel, false) == Searched::Reset)
        return;
    const std::optional<QString> answer =
        f.application().dialogs().input(ui::InputRequest{f.tables.dialog(39), f.tables.dialog(40), QString()});
    if (!answer || *answer == QStringLiteral("n"))
        return;

    // Each matching row once, every occurrence in one go, the rest of its text as it was: a
    // replacement that still matches is not replaced again.
    db::Field field = books.fieldByName(panel.field.text());
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
    panel.count.setText(QString::number(changed) + QStringLiteral(" Changements "));
}

void BooksGrid::DBGrid1DblClick()
{
    ui::DBGrid& grid = m_controls.grid;
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
                                       files::shownPath(f.AppDir + QStringLiteral("Journal.csv")),
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
