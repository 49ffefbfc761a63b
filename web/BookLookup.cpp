#include "web/BookLookup.h"

#include "app/FrmPrin.h"
#include "app/TextRoutines.h"
#include "catalogue/BookCodes.h"
#include "catalogue/BookSave.h"
#include "catalogue/Ean13FontText.h"
#include "catalogue/IsbnConversions.h"
#include "catalogue/StockTakeScan.h"
#include "platform/files/FileOps.h"
#include "platform/files/FolderFileName.h"
#include "platform/files/FileError.h"
#include "platform/files/WindowsPath.h"
#include "platform/net/Error.h"
#include "platform/picture/PictureFile.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Keys.h"
#include "platform/ui/SpeedButton.h"
#include "web/AmazonReader.h"

#include <QScopeGuard>

namespace web {

namespace {

using catalogue::isAllDigits;
using catalogue::isIsbn13Prefix;
using catalogue::isPressCode;
using catalogue::kCoversFolder;
const QString kNoPicture = kCoversFolder + catalogue::kNoPicture;

}  // namespace

BookLookup::BookLookup(app::TFrmPrin& frm) : m_frm(frm)
{
    frm.get<ui::Edit>(QStringLiteral("Edit1")).onKeyPress = [this](QChar& key) { EditKeyPress(key); };
    frm.get<ui::Control>(QStringLiteral("SpeedButton41")).onClick = [this] { SpeedButton41Click(); };
}

void BookLookup::EditKeyPress(QChar& key)
{
    app::TFrmPrin& f = m_frm;
    auto& code = f.get<ui::Edit>(QStringLiteral("Edit1"));
    code.setText(text::Trim(code.text()));
    QString c = code.text();
    if (c.size() == 10 && c.startsWith(QLatin1String("B0")) && !f.InventoryMode) {
        // A product number: only the product page can know it.
        f.get<ui::CustomEdit>(QStringLiteral("Edit10")).setText(c);
        f.get<ui::CustomEdit>(QStringLiteral("Edit2")).setText(c);
        f.get<ui::CustomEdit>(QStringLiteral("Edit91")).setText(QStringLiteral("EBOOK"));
        if (AmazonReader* amazon = f.findPart<AmazonReader>())
            amazon->ReadAmazonPage(f);
        for (const char* name : {"SpeedButton20", "SpeedButton22", "SpeedButton21"})
            f.get<ui::Control>(QString::fromLatin1(name)).show();
        f.get<ui::Control>(QStringLiteral("Panel4")).setCursor(ui::Cursor::Default);
        code.setFocus();
        f.get<ui::Edit>(QStringLiteral("Edit4")).setFocus();
        f.get<ui::Control>(QStringLiteral("Panel19")).hide();
        return;
    }
    if (c.size() == 13 && isIsbn13Prefix(c)) {
        c = FixAzertyDigits(c);
        // Only digits have a check digit to recompute; anything else is looked up as typed.
        if (isAllDigits(c.mid(3, 9))) {
            const QString isbn10 = catalogue::Isbn13To10(c);
            f.get<ui::CustomEdit>(QStringLiteral("Edit2")).setText(isbn10);
            if (c.startsWith(QLatin1String("978")))
                c = catalogue::Isbn10To13(isbn10);
        }
        code.setText(c);
    }
    if (c.size() > 13 && isIsbn13Prefix(c))
        code.setText(KeepDigitsAndX(c));
    // A code typed with hyphens or blanks waits for Enter: at 13 characters it is not whole yet.
    const QString typed = code.text();
    if (key != QChar(u'\r') && (typed.size() < 13 || KeepDigitsAndX(typed) != typed)) {
        closingStep();
        return;
    }
    if (m_lookingUp)
        return;
    m_lookingUp = true;
    const auto done = qScopeGuard([this] { m_lookingUp = false; });
    startLookup();
}

void BookLookup::startLookup()
{
    app::TFrmPrin& f = m_frm;
    auto& code = f.get<ui::Edit>(QStringLiteral("Edit1"));
    auto text = [&f](const char* name) { return f.get<ui::CustomEdit>(QString::fromLatin1(name)).text(); };
    if (!f.InventoryMode && !text("Edit4").isEmpty() &&
        f.application().messageBox(f.tables.dialog(6), f.tables.dialog(7), ui::MessageButtons::OkCancel,
                                   ui::MessageIcon::Warning) != ui::ModalResult::Ok) {
        code.clear();
        return;
    }
    // The summary and the Dewey class of the book thrown away go with it.
    for (const char* name :
         {"Edit4", "Edit5", "Edit6", "Edit12", "Edit7", "Edit91", "Edit92", "Edit97", "Edit95", "RichEdit4"})
        f.get<ui::CustomEdit>(QString::fromLatin1(name)).clear();
    f.get<ui::CheckBox>(QStringLiteral("CheckBox1")).setChecked(false);
    if (auto* save = f.findPart<catalogue::BookSave>())
        save->clearRecordValues();
    AsinEntry = false;
    f.CoverFound = false;
    f.CoverFileName.clear();
    f.get<ui::Control>(QStringLiteral("Panel4")).setCursor(ui::Cursor::HourGlass);
    code.setText(text::Trim(code.text()));
    if (f.IsbnListMode)
        f.get<ui::Control>(QStringLiteral("Button31")).hide();
    if (f.InventoryMode) {
        routeStockTakeCode();
        return;
    }

    if (!isPressCode(code.text()))
        NormaliseBookCode();
    const int length = int(code.text().size());
    if (length != 13 && length != 10) {
        code.clear();
        return;
    }
    if (isPressCode(code.text())) {
        FindPeriodicalByCode();
        return;
    }
    lookUpLocally();
}

void BookLookup::routeStockTakeCode()
{
    app::TFrmPrin& f = m_frm;
    auto& code = f.get<ui::Edit>(QStringLiteral("Edit1"));
    f.get<ui::Control>(QStringLiteral("Panel4")).setCursor(ui::Cursor::Default);
    code.setText(FixAzertyDigits(code.text()));
    // A copy's five-digit internal code, scanned from a label that prints it with a leading zero.
    const QString c = code.text();
    if (c.size() == 6 && (c.startsWith(u'0') || c.startsWith(u'\u00e0')))
        code.setText(c.mid(1));
    if (isPressCode(code.text())) {
        f.get<ui::Control>(QStringLiteral("NumJourno")).show();
        f.get<ui::Edit>(QStringLiteral("Edit97")).setFocus();
        return;
    }
    if (auto* scan = f.findPart<catalogue::StockTakeScan>())
        scan->RecordInventoryScan();
    if (f.IsbnListMode)
        f.get<ui::Control>(QStringLiteral("Button31")).show();
}

void BookLookup::FindPeriodicalByCode()
{
    app::TFrmPrin& f = m_frm;
    auto& code = f.get<ui::Edit>(QStringLiteral("Edit1"));
    auto& bookCode = f.get<ui::CustomEdit>(QStringLiteral("Edit10"));
    f.get<ui::Control>(QStringLiteral("SpeedButton22")).show();
    bookCode.setText(text::Trim(code.text()));
    code.clear();
    f.get<ui::CustomEdit>(QStringLiteral("Edit4")).clear();
    f.get<ui::CustomEdit>(QStringLiteral("Edit5")).clear();
    db::Query& ars = selectCopiesOf(bookCode.text());
    if (ars.isEmpty()) {
        f.ShowMessageEntry(20);
    } else {
        // The title's data; the issue number, its cover and its text are the issue's own.
        const std::pair<const char*, const char*> fields[] = {
            {"Edit4", "Titre"},    {"Edit10", "Isbn13"},       {"Edit5", "Auteur"},
            {"Edit12", "Editeur"}, {"Edit6", "Date_parution"}, {"Edit7", "Pages"},
        };
        for (const auto& [control, field] : fields)
            f.get<ui::CustomEdit>(QString::fromLatin1(control))
                .setText(ars.fieldByName(QString::fromLatin1(field)).asString());
        f.get<ui::CustomEdit>(QStringLiteral("Edit2")).setText(f.get<ui::CustomEdit>(QStringLiteral("Edit97")).text());
        if (!showCover(bookCode.text() + QStringLiteral(".jpg"), false))
            f.CoverFound = false;
    }
    f.get<ui::Control>(QStringLiteral("NumJourno")).show();
    f.get<ui::Edit>(QStringLiteral("Edit97")).setFocus();
    const QString stored = bookCode.text();
    if (stored.size() == 13 && isAllDigits(stored))
        f.get<ui::CustomEdit>(QStringLiteral("Edit84")).setText(catalogue::Ean13ToFontText(stored));
}

void BookLookup::NormaliseBookCode()
{
    app::TFrmPrin& f = m_frm;
    auto& code = f.get<ui::Edit>(QStringLiteral("Edit1"));
    auto set = [&f](const char* name, const QString& value) {
        f.get<ui::CustomEdit>(QString::fromLatin1(name)).setText(value);
    };
    const QString trimmed = text::Trim(code.text());
    if (code.text().startsWith(u'B') && trimmed.size() == 10) {
        set("Edit2", trimmed);
        AsinEntry = true;
        return;
    }
    code.setText(KeepDigitsAndX(FixAzertyDigitsByChar(code.text())));
    const QString c = code.text();
    set("Edit5", c);
    if (c.size() == 13) {
        if (isAllDigits(c.mid(3, 9)))
            set("Edit2", catalogue::Isbn13To10(c));
        return;
    }
    if (c.size() == 10) {
        // An "X" among the first nine characters is no ISBN-10: the code stays as typed.
        if (!isAllDigits(c.left(9)))
            return;
        code.setText(catalogue::Isbn10To13(c));
        set("Edit2", catalogue::Isbn13To10(code.text()));
        set("Edit84", catalogue::Ean13ToFontText(code.text()));
        return;
    }
    // An internal book number or another short code: the catalogue alone can know it.
    set("Edit10", c);
    code.clear();
    set("Edit4", QString());
    db::Query& ars = selectCopiesOf(c);
    if (ars.isEmpty()) {
        f.ShowMessageEntry(17);
        code.clear();
        return;
    }
    f.ShowMessageEntry(18);
    showCatalogueRow();
    showCover(ars.fieldByName(QStringLiteral("Images")).asString());
    for (const char* name : {"SpeedButton20", "SpeedButton22", "SpeedButton21"})
        f.get<ui::Control>(QString::fromLatin1(name)).show();
}

void BookLookup::lookUpLocally()
{
    app::TFrmPrin& f = m_frm;
    auto& code = f.get<ui::Edit>(QStringLiteral("Edit1"));
    auto& bookCode = f.get<ui::CustomEdit>(QStringLiteral("Edit10"));
    bookCode.setText(code.text());
    code.clear();
    f.get<ui::CustomEdit>(QStringLiteral("Edit4")).clear();
    db::Query& ars = selectCopiesOf(bookCode.text());
    if (ars.isEmpty()) {
        askSources();
        return;
    }
    f.get<ui::CheckBox>(QStringLiteral("CheckBox1")).setChecked(true);
    auto showRowWithSummary = [&] {
        showCatalogueRow();
        f.get<ui::CustomEdit>(QStringLiteral("RichEdit4")).setSelText(ars.fieldByName(QStringLiteral("Resume")).asString());
    };
    showRowWithSummary();
    const QString cover = bookCode.text() + QStringLiteral(".jpg");
    // Without its cover the book is read from its product page, whatever the source switch; a
    // page that does not know the book leaves the catalogue's data as they were.
    if (!files::fileExists(f.AppDir + kCoversFolder + cover))
        if (AmazonReader* amazon = f.findPart<AmazonReader>()) {
            try {
                amazon->ReadAmazonPage(f);
            } catch (const net::Error&) {
                f.LookupFound = false;
            }
            if (!f.LookupFound) {
                f.get<ui::CustomEdit>(QStringLiteral("RichEdit4")).clear();
                showRowWithSummary();
            }
        }
    showCover(cover);
    for (const char* name : {"SpeedButton20", "SpeedButton22", "SpeedButton21"})
        f.get<ui::Control>(QString::fromLatin1(name)).show();
    closingStep();
}

db::Query& BookLookup::selectCopiesOf(const QString& code)
{
    db::Query& ars = m_frm.db.ars;
    ars.setSql(QStringLiteral("SELECT * FROM table1 WHERE Isbn13 = ? ORDER BY NumLivre"), {text::Trim(code)});
    ars.open();
    m_frm.get<ui::Control>(QStringLiteral("Label183")).setCaption(QString::number(ars.recordCount()));
    return ars;
}

void BookLookup::showCatalogueRow()
{
    app::TFrmPrin& f = m_frm;
    db::Query& ars = f.db.ars;
    const std::pair<const char*, const char*> fields[] = {
        {"Edit4", "Titre"},        {"Edit10", "Isbn13"}, {"Edit5", "Auteur"}, {"Edit12", "Editeur"},
        {"Edit6", "Date_parution"}, {"Edit7", "Pages"},   {"Edit2", "Isbn10"}, {"Edit61", "Images"},
    };
    for (const auto& [control, field] : fields)
        f.get<ui::CustomEdit>(QString::fromLatin1(control))
            .setText(ars.fieldByName(QString::fromLatin1(field)).asString());
}

bool BookLookup::showCover(const QString& name, bool placeholderWhenNone)
{
    app::TFrmPrin& f = m_frm;
    // The two placeholder pictures of the web sources are no covers.
    QString path = files::folderFilePath(f.AppDir + kCoversFolder, name);
    bool found = !path.isEmpty() && files::fileExists(path);
    if (found) {
        const QString size = FileSizeText(QStringLiteral("0"), path);
        found = size != QStringLiteral("3241") && size != QStringLiteral("7794");
    }
    if (!found && !placeholderWhenNone)
        return false;
    if (!found)
        path = f.AppDir + kNoPicture;
    f.get<ui::Image>(QStringLiteral("Image99")).setPicture(picture::loadPictureFile(files::nativePath(path)));
    return found;
}

void BookLookup::askSources()
{
    app::TFrmPrin& f = m_frm;
    f.LookupFound = false;
    f.CoverFound = false;
    for (const char* name : {"Edit4", "Edit5", "Edit6", "Edit12", "Edit7"})
        f.get<ui::CustomEdit>(QString::fromLatin1(name)).clear();
    // A stop belongs to the chain it was pressed in: however this chain ends, an error
    // included, the search panel goes and the next chain starts without it.
    StopRequested = false;
    auto& searching = f.get<ui::Control>(QStringLiteral("Panel19"));
    searching.show();
    const auto ended = qScopeGuard([this, &searching] {
        StopRequested = false;
        searching.hide();
    });
    auto& coverName = f.get<ui::CustomEdit>(QStringLiteral("Edit61"));
    for (const std::unique_ptr<BookSource>& source : m_sources) {
        if (!source->enabled(f.settings))
            continue;
        if (!f.LookupFound) {
            if (!source->labelAfter())
                coverName.setText(source->label());
            // A source that cannot be asked (its page view is busy with another command) has
            // nothing; the others are asked all the same.
            try {
                source->ask(f);
            } catch (const net::Error&) {
                f.LookupFound = false;
            }
            if (source->labelAfter())
                coverName.setText(source->label());
        }
        f.application().processMessages();
    }
    if (StopRequested) {
        StopRequested = false;
        f.LookupFound = false;
    }
    if (!f.CoverFound)
        f.get<ui::Image>(QStringLiteral("Image99"))
            .setPicture(picture::loadPictureFile(files::nativePath(f.AppDir + kNoPicture)));
    if (!f.LookupFound) {
        coverName.clear();
        // The school publisher's books are typed in by their title: the focus stays there.
        if (!RecordIsbnNotFound())
            f.get<ui::Edit>(QStringLiteral("Edit1")).setFocus();
        f.get<ui::Control>(QStringLiteral("Panel19")).hide();
        if (f.IsbnListMode)
            f.get<ui::Control>(QStringLiteral("Button31")).show();
        return;
    }
    for (const char* name : {"SpeedButton20", "SpeedButton22", "SpeedButton21"})
        f.get<ui::Control>(QString::fromLatin1(name)).show();
    f.get<ui::Control>(QStringLiteral("Panel4")).setCursor(ui::Cursor::Default);
    f.get<ui::Edit>(QStringLiteral("Edit1")).setFocus();
    f.get<ui::Edit>(QStringLiteral("Edit4")).setFocus();
    f.get<ui::Edit>(QStringLiteral("Edit1")).setFocus();
    f.get<ui::Control>(QStringLiteral("Panel19")).hide();
    closingStep();
}

void BookLookup::SpeedButton41Click()
{
    m_frm.LookupFound = true;
    m_frm.CoverFound = true;
    StopRequested = true;
}

bool BookLookup::RecordIsbnNotFound()
{
    app::TFrmPrin& f = m_frm;
    for (const char* name : {"Edit4", "Edit5", "Edit6", "Edit12", "Edit7", "Edit91", "Edit92", "Edit95", "Edit97"})
        f.get<ui::CustomEdit>(QString::fromLatin1(name)).clear();
    f.CoverFileName.clear();
    AsinEntry = false;
    f.get<ui::Image>(QStringLiteral("Image99"))
        .setPicture(picture::loadPictureFile(files::nativePath(f.AppDir + kNoPicture)));
    const QString code = f.get<ui::CustomEdit>(QStringLiteral("Edit10")).text();
    const bool schoolPublisher = code.contains(QLatin1String("2211"));
    f.application().messageBox(f.tables.dialog(schoolPublisher ? 3 : 5), f.tables.dialog(4), ui::MessageButtons::Ok,
                               ui::MessageIcon::Error);
    if (schoolPublisher)
        f.get<ui::Edit>(QStringLiteral("Edit4")).setFocus();
    f.get<ui::Control>(QStringLiteral("SpeedButton22")).show();

    files::TextFileRecord& file = f.OutputFile;
    const QString path = f.AppDir + QStringLiteral("Isbn_non_trouves.csv");
    try {
        file.assign(path);
        if (files::fileExists(path))
            file.append();
        else
            file.rewrite();
        file.writeln(code);
        file.close();
    } catch (const files::FileError&) {
        file.close();
        f.application().messageBox(QStringLiteral("Le code n'a pas pu être ajouté à la liste des codes non trouvés ") +
                                       path,
                                   f.application().title(), ui::MessageButtons::Ok, ui::MessageIcon::Warning);
    }
    return schoolPublisher;
}

void BookLookup::closingStep()
{
    app::TFrmPrin& f = m_frm;
    f.get<ui::Control>(QStringLiteral("Panel4")).setCursor(ui::Cursor::Default);
    AutoValidateBook();
    if (f.IsbnListMode)
        f.get<ui::Control>(QStringLiteral("Button31")).show();
}

void BookLookup::AutoValidateBook()
{
    app::TFrmPrin& f = m_frm;
    f.MovePointer(750, 300);
    if (f.settings.ValideBool && !f.get<ui::CustomEdit>(QStringLiteral("Edit4")).text().isEmpty())
        f.application().input().leftClick();
    if (f.IsbnListMode)
        f.MovePointer(800, 200);
}

}  // namespace web
