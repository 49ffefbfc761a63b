#include "web/EntryTabRecord.h"

#include "app/FrmPrin.h"
#include "catalogue/BookEntryControls.h"
#include "catalogue/BookEntryScreen.h"
#include "catalogue/BookSave.h"
#include "catalogue/StockTakeControls.h"
#include "catalogue/StockTakeScreen.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/RichEdit.h"
#include "web/BookLookup.h"
#include "web/BookRecord.h"
#include "web/ReaderScreen.h"
#include "web/WebResultControls.h"
#include "web/WebResultPanel.h"

namespace web {

void showRecord(app::TFrmPrin& frm, const BookRecord& record)
{
    if (record.found)
        frm.LookupFound = *record.found;
    if (const auto* entry = frm.findPart<catalogue::BookEntryScreen>()) {
        const catalogue::BookEntryControls& b = entry->controls();
        const std::pair<const std::optional<QString>&, ui::CustomEdit*> fields[] = {
            {record.title, &b.title},         {record.author, &b.author},       {record.publisher, &b.publisher},
            {record.published, &b.published}, {record.pages, &b.pageCount},     {record.binding, &b.binding},
            {record.price, &b.price},         {record.dewey, &b.dewey},         {record.code, &b.isbn13},
            {record.isbn10, &b.isbn10},       {record.barcodeText, &b.barcode}, {record.coverName, &b.coverName},
            {record.keywords, &b.theme},      {record.genre, &b.genre},
        };
        for (const auto& [value, field] : fields)
            if (value)
                field->setText(*value);
        if (record.summary) {
            b.summary.clear();
            b.summary.setSelText(*record.summary);
        }
    }
    // The stock-take's kind field, where the price site's page names its picture.
    if (record.priceSitePicture)
        if (const auto* stockTake = frm.findPart<catalogue::StockTakeScreen>())
            stockTake->controls().kind.setText(*record.priceSitePicture);
    if (record.webAddress)
        if (auto* panel = frm.findPart<WebResultPanel>())
            panel->controls().address.setText(*record.webAddress);
    if (record.language)
        frm.BookLanguage = *record.language;
    if (auto* save = frm.findPart<catalogue::BookSave>()) {
        if (record.descriptors)
            save->RecordDescriptors = *record.descriptors;
        if (record.type)
            save->RecordType = *record.type;
    }
    if (record.dropsProductNumber)
        if (auto* lookup = frm.findPart<BookLookup>())
            lookup->AsinEntry = false;
}

void showRecordCover(app::TFrmPrin& frm, const BookRecord& record)
{
    if (record.replacesCover)
        frm.CoverFound = false;
    if (!record.coverAddress.isEmpty())
        if (const auto* entry = frm.findPart<catalogue::BookEntryScreen>())
            entry->controls().coverAddress.setText(record.coverAddress);
    if (record.coverFile.isEmpty())
        return;
    showStoredCover(frm, record.coverFile);
    if (record.foundWithCover)
        frm.LookupFound = true;
}

}  // namespace web
