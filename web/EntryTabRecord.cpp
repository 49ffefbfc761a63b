#include "web/EntryTabRecord.h"

#include "app/FrmPrin.h"
#include "catalogue/BookSave.h"
#include "platform/ui/Edit.h"
#include "web/BookLookup.h"
#include "web/BookRecord.h"
#include "web/ReaderScreen.h"
#include "web/sharedbase/SharedBaseWeb.h"

namespace web {

void showRecord(app::TFrmPrin& frm, const BookRecord& record)
{
    if (record.found)
        frm.LookupFound = *record.found;
    const std::pair<const std::optional<QString>&, const char*> fields[] = {
        {record.title, "Edit4"},         {record.author, "Edit5"},   {record.publisher, "Edit12"},
        {record.published, "Edit6"},     {record.pages, "Edit7"},    {record.binding, "Edit91"},
        {record.price, "Edit92"},        {record.dewey, "Edit95"},   {record.code, "Edit10"},
        {record.isbn10, "Edit2"},        {record.barcodeText, "Edit84"}, {record.coverName, "Edit61"},
        {record.keywords, "Edit26"},     {record.genre, "ComboBox12"}, {record.priceSitePicture, "Edit146"},
        {record.webAddress, "Edit99"},
    };
    for (const auto& [value, name] : fields)
        if (value)
            setFieldText(frm, name, *value);
    if (record.summary) {
        auto& summary = frm.get<ui::CustomEdit>(QStringLiteral("RichEdit4"));
        summary.clear();
        summary.setSelText(*record.summary);
    }
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
        sharedbase::showPictureAddress(frm, record.coverAddress);
    if (record.coverFile.isEmpty())
        return;
    showStoredCover(frm, record.coverFile);
    if (record.foundWithCover)
        frm.LookupFound = true;
}

}  // namespace web
