#include "web/BookLookup.h"

#include "app/FrmPrin.h"
#include "app/TextRoutines.h"
#include "catalogue/BookCodes.h"
#include "catalogue/BookEntryControls.h"
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
#include "platform/ui/Color.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/Button.h"
#include "platform/ui/SpeedButton.h"
#include "web/AmazonReader.h"
#include "web/EntryTabRecord.h"
#include "web/ReaderScreen.h"

#include <QScopeGuard>

namespace web {

namespace {

using catalogue::isAllDigits;
using catalogue::isIsbn13Prefix;
using catalogue::isPressCode;
using catalogue::kCoversFolder;
const QString kNoPicture = kCoversFolder + catalogue::kNoPicture;

}  // namespace

BookLookup::BookLookup(app::TFrmPrin& frm, const catalogue::BookEntryControls& book) : m_frm(frm), m_book(book)
{
    book.code.onKeyPress = [this](QChar& key) { EditKeyPress(key); };
    book.stopSearch.onClick = [this] { SpeedButton41Click(); };
}

void BookLookup::showEntryButtons()
{
    for (ui::Control* button : {&m_book.save, &m_book.newEntry, &m_book.correct})
        button->show();
}

void BookLookup::EditKeyPress(QChar& key)
{
    app::TFrmPrin& f = m_frm;
    const catalogue::BookEntryControls& b = m_book;
    auto& code = b.code;
    code.setText(text::Trim(code.text()));
    QString c = code.text();
    if (c.size() == 10 && c.startsWith(QLatin1String("B0")) && !f.InventoryMode) {
        // A product number: only the product page can know it.
        b.isbn13.setText(c);
        b.isbn10.setText(c);
        b.binding.setText(QStringLiteral("EBOOK"));
        if (AmazonReader* amazon = f.findPart<AmazonReader>())
            askSource(*amazon);
        showEntryButtons();
        b.screen.setCursor(ui::Cursor::Default);
        code.setFocus();
        b.title.setFocus();
        b.searching.hide();
        return;
    }
    if (c.size() == 13 && isIsbn13Prefix(c)) {
        c = FixAzertyDigits(c);
        // Only digits have a check digit to recompute; anything else is looked up as typed.
        if (isAllDigits(c.mid(3, 9))) {
            const QString isbn10 = catalogue::Isbn13To10(c);
            b.isbn10.setText(isbn10);
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
    const catalogue::BookEntryControls& b = m_book;
    auto& code = b.code;
    if (!f.InventoryMode && !b.title.text().isEmpty() &&
        f.application().messageBox(f.tables.dialog(6), f.tables.dialog(7), ui::MessageButtons::OkCancel,
                                   ui::MessageIcon::Warning) != ui::ModalResult::Ok) {
        code.clear();
        return;
    }
    // The summary and the Dewey class of the book thrown away go with it.
    for (ui::CustomEdit* field :
         std::initializer_list<ui::CustomEdit*>{&b.title, &b.author, &b.published, &b.publisher, &b.pageCount,
                                                &b.binding, &b.price, &b.issueNumber, &b.dewey, &b.summary})
        field->clear();
    b.printBarcode.setChecked(false);
    if (auto* save = f.findPart<catalogue::BookSave>())
        save->clearRecordValues();
    AsinEntry = false;
    f.CoverFound = false;
    f.CoverFileName.clear();
    b.screen.setCursor(ui::Cursor::HourGlass);
    code.setText(text::Trim(code.text()));
    if (f.IsbnListMode)
        b.nextIsbn.hide();
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
    const catalogue::BookEntryControls& b = m_book;
    auto& code = b.code;
    b.screen.setCursor(ui::Cursor::Default);
    code.setText(FixAzertyDigits(code.text()));
    // A copy's five-digit internal code, scanned from a label that prints it with a leading zero.
    const QString c = code.text();
    if (c.size() == 6 && (c.startsWith(u'0') || c.startsWith(u'\u00e0')))
        code.setText(c.mid(1));
    if (isPressCode(code.text())) {
        b.issuePanel.show();
        b.issueNumber.setFocus();
        return;
    }
    if (auto* scan = f.findPart<catalogue::StockTakeScan>())
        scan->RecordInventoryScan();
    if (f.IsbnListMode)
        b.nextIsbn.show();
}

void BookLookup::FindPeriodicalByCode()
{
    app::TFrmPrin& f = m_frm;
    const catalogue::BookEntryControls& b = m_book;
    auto& code = b.code;
    auto& bookCode = b.isbn13;
    b.newEntry.show();
    bookCode.setText(text::Trim(code.text()));
    code.clear();
    b.title.clear();
    b.author.clear();
    db::Query& ars = selectCopiesOf(bookCode.text());
    if (ars.isEmpty()) {
        f.ShowMessageEntry(20);
    } else {
        // The title's data; the issue number, its cover and its text are the issue's own.
        const std::pair<ui::Edit*, const char*> fields[] = {
            {&b.title, "Titre"},       {&b.isbn13, "Isbn13"},           {&b.author, "Auteur"},
            {&b.publisher, "Editeur"}, {&b.published, "Date_parution"}, {&b.pageCount, "Pages"},
        };
        for (const auto& [control, field] : fields)
            control->setText(ars.fieldByName(QString::fromLatin1(field)).asString());
        b.isbn10.setText(b.issueNumber.text());
        if (!showCover(bookCode.text() + QStringLiteral(".jpg"), false))
            f.CoverFound = false;
    }
    b.issuePanel.show();
    b.issueNumber.setFocus();
    const QString stored = bookCode.text();
    if (stored.size() == 13 && isAllDigits(stored))
        b.barcode.setText(catalogue::Ean13ToFontText(stored));
}

void BookLookup::NormaliseBookCode()
{
    app::TFrmPrin& f = m_frm;
    const catalogue::BookEntryControls& b = m_book;
    auto& code = b.code;
    const QString trimmed = text::Trim(code.text());
    if (code.text().startsWith(u'B') && trimmed.size() == 10) {
        b.isbn10.setText(trimmed);
        AsinEntry = true;
        return;
    }
    code.setText(KeepDigitsAndX(FixAzertyDigitsByChar(code.text())));
    const QString c = code.text();
    b.author.setText(c);
    if (c.size() == 13) {
        if (isAllDigits(c.mid(3, 9)))
            b.isbn10.setText(catalogue::Isbn13To10(c));
        return;
    }
    if (c.size() == 10) {
        // An "X" among the first nine characters is no ISBN-10: the code stays as typed.
        if (!isAllDigits(c.left(9)))
            return;
        code.setText(catalogue::Isbn10To13(c));
        b.isbn10.setText(catalogue::Isbn13To10(code.text()));
        b.barcode.setText(catalogue::Ean13ToFontText(code.text()));
        return;
    }
    // An internal book number or another short code: the catalogue alone can know it.
    b.isbn13.setText(c);
    code.clear();
    b.title.setText(QString());
    db::Query& ars = selectCopiesOf(c);
    if (ars.isEmpty()) {
        f.ShowMessageEntry(17);
        code.clear();
        return;
    }
    f.ShowMessageEntry(18);
    showCatalogueRow();
    showCover(ars.fieldByName(QStringLiteral("Images")).asString());
    showEntryButtons();
}

void BookLookup::lookUpLocally()
{
    app::TFrmPrin& f = m_frm;
    const catalogue::BookEntryControls& b = m_book;
    auto& code = b.code;
    auto& bookCode = b.isbn13;
    bookCode.setText(code.text());
    code.clear();
    b.title.clear();
    db::Query& ars = selectCopiesOf(bookCode.text());
    if (ars.isEmpty()) {
        askSources();
        return;
    }
    b.printBarcode.setChecked(true);
    auto showRowWithSummary = [&] {
        showCatalogueRow();
        b.summary.setSelText(ars.fieldByName(QStringLiteral("Resume")).asString());
    };
    showRowWithSummary();
    const QString cover = bookCode.text() + QStringLiteral(".jpg");
    // Without its cover the book is read from its product page, whatever the source switch; a
    // page that does not know the book leaves the catalogue's data as they were.
    if (!files::fileExists(f.AppDir + kCoversFolder + cover))
        if (AmazonReader* amazon = f.findPart<AmazonReader>()) {
            try {
                askSource(*amazon);
            } catch (const net::Error&) {
                f.LookupFound = false;
            }
            if (!f.LookupFound) {
                b.summary.clear();
                showRowWithSummary();
            }
        }
    showCover(cover);
    showEntryButtons();
    closingStep();
}

db::Query& BookLookup::selectCopiesOf(const QString& code)
{
    db::Query& ars = m_frm.db.ars;
    ars.setSql(QStringLiteral("SELECT * FROM table1 WHERE Isbn13 = ? ORDER BY NumLivre"), {text::Trim(code)});
    ars.open();
    m_book.copyCount.setCaption(QString::number(ars.recordCount()));
    return ars;
}

void BookLookup::showCatalogueRow()
{
    app::TFrmPrin& f = m_frm;
    const catalogue::BookEntryControls& b = m_book;
    db::Query& ars = f.db.ars;
    const std::pair<ui::Edit*, const char*> fields[] = {
        {&b.title, "Titre"},       {&b.isbn13, "Isbn13"},           {&b.author, "Auteur"},
        {&b.publisher, "Editeur"}, {&b.published, "Date_parution"}, {&b.pageCount, "Pages"},
        {&b.isbn10, "Isbn10"},     {&b.coverName, "Images"},
    };
    for (const auto& [control, field] : fields)
        control->setText(ars.fieldByName(QString::fromLatin1(field)).asString());
}

bool BookLookup::showCover(const QString& name, bool placeholderWhenNone)
{
    app::TFrmPrin& f = m_frm;
    const catalogue::BookEntryControls& b = m_book;
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
    b.foundCover.setPicture(picture::loadPictureFile(files::nativePath(path)));
    return found;
}

void BookLookup::askSources()
{
    app::TFrmPrin& f = m_frm;
    const catalogue::BookEntryControls& b = m_book;
    f.LookupFound = false;
    f.CoverFound = false;
    for (ui::Edit* field : {&b.title, &b.author, &b.published, &b.publisher, &b.pageCount})
        field->clear();
    // A stop belongs to the chain it was pressed in: however this chain ends, an error
    // included, the search panel goes and the next chain starts without it.
    StopRequested = false;
    auto& searching = b.searching;
    searching.show();
    const auto ended = qScopeGuard([this, &searching] {
        StopRequested = false;
        searching.hide();
    });
    auto& coverName = b.coverName;
    for (const std::unique_ptr<BookSource>& source : m_sources) {
        if (!source->enabled(f.settings))
            continue;
        if (!f.LookupFound) {
            if (const auto label = source->labelBefore())
                coverName.setText(*label);
            // A source that cannot be asked (its page view is busy with another command) has
            // nothing; the others are asked all the same.
            try {
                askSource(*source);
            } catch (const net::Error&) {
                f.LookupFound = false;
            }
            if (const auto label = source->labelAfter())
                coverName.setText(*label);
        }
        f.application().processMessages();
    }
    if (StopRequested) {
        StopRequested = false;
        f.LookupFound = false;
    }
    if (!f.CoverFound)
        b.foundCover.setPicture(picture::loadPictureFile(files::nativePath(f.AppDir + kNoPicture)));
    if (!f.LookupFound) {
        coverName.clear();
        // The school publisher's books are typed in by their title: the focus stays there.
        if (!RecordIsbnNotFound())
            b.code.setFocus();
        b.searching.hide();
        if (f.IsbnListMode)
            b.nextIsbn.show();
        return;
    }
    showEntryButtons();
    b.screen.setCursor(ui::Cursor::Default);
    b.code.setFocus();
    b.title.setFocus();
    b.code.setFocus();
    b.searching.hide();
    closingStep();
}

LookupQuery BookLookup::query()
{
    app::TFrmPrin& f = m_frm;
    const catalogue::BookEntryControls& b = m_book;
    LookupQuery q;
    q.code = b.isbn13.text();
    q.isbn10 = b.isbn10.text();
    q.title = b.title.text();
    q.amazonSite = f.AmazonSite;
    q.coverFound = f.CoverFound;
    q.showStep = [&text = b.searchingText](const QString& step) { text.setCaption(step); };
    // The search panel turns yellow while a bank's record is read, and takes the system's
    // hot-light blue again afterwards.
    q.showBankReading = [&panel = b.searching](bool reading) {
        panel.setColor(reading ? ui::colors::yellow : ui::Color::rgb(0, 102, 204));
    };
    return q;
}

void BookLookup::askSource(BookSource& source)
{
    BookRecord record = source.ask(query());
    showRecord(m_frm, record);
    source.fetchCover(query(), record);
    showRecordCover(m_frm, record);
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
    const catalogue::BookEntryControls& b = m_book;
    for (ui::Edit* field : {&b.title, &b.author, &b.published, &b.publisher, &b.pageCount, &b.binding, &b.price,
                            &b.dewey, &b.issueNumber})
        field->clear();
    f.CoverFileName.clear();
    AsinEntry = false;
    b.foundCover.setPicture(picture::loadPictureFile(files::nativePath(f.AppDir + kNoPicture)));
    const QString code = b.isbn13.text();
    const bool schoolPublisher = code.contains(QLatin1String("2211"));
    f.application().messageBox(f.tables.dialog(schoolPublisher ? 3 : 5), f.tables.dialog(4), ui::MessageButtons::Ok,
                               ui::MessageIcon::Error);
    if (schoolPublisher)
        b.title.setFocus();
    b.newEntry.show();

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
    const catalogue::BookEntryControls& b = m_book;
    b.screen.setCursor(ui::Cursor::Default);
    AutoValidateBook();
    if (f.IsbnListMode)
        b.nextIsbn.show();
}

void BookLookup::AutoValidateBook()
{
    app::TFrmPrin& f = m_frm;
    const catalogue::BookEntryControls& b = m_book;
    f.MovePointer(750, 300);
    if (f.settings.ValideBool && !b.title.text().isEmpty())
        f.application().input().leftClick();
    if (f.IsbnListMode)
        f.MovePointer(800, 200);
}

}  // namespace web
