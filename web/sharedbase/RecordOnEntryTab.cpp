#include "web/sharedbase/RecordOnEntryTab.h"

#include "app/FrmPrin.h"
#include "catalogue/BookCodes.h"
#include "catalogue/BookSave.h"
#include "catalogue/Ean13FontText.h"
#include "platform/text/PascalText.h"
#include "web/ReaderScreen.h"
#include "web/sharedbase/SharedBookRecord.h"

namespace sharedbase {

void showRecordOnEntryTab(app::TFrmPrin& frm, const QStringList& values, RecordReader reader)
{
    using web::setFieldText;
    const bool byTitle = reader == RecordReader::SharedTitleBank || reader == RecordReader::LocalTitleBank;
    const bool local = reader == RecordReader::ImageBank || reader == RecordReader::LocalTitleBank;
    setFieldText(frm, "Edit4", values[Title]);
    if (!values[Title].isEmpty())
        frm.LookupFound = true;
    if (byTitle) {
        setFieldText(frm, "Edit10", QString());
        setFieldText(frm, "Edit84", QString());
    }
    const QString code = text::Trim(web::fieldText(frm, "Edit10"));
    if (code.size() == 13 && catalogue::isAllDigits(code))
        setFieldText(frm, "Edit84", catalogue::Ean13ToFontText(code));
    setFieldText(frm, "Edit5", values[Author]);
    setFieldText(frm, "Edit12", values[Publisher]);
    setFieldText(frm, "Edit6", values[Published]);
    setFieldText(frm, "Edit7", values[Pages]);
    const QString cover = text::Trim(values[Cover]);
    setFieldText(frm, "Edit61", isSafeRemoteName(cover) && cover != QStringLiteral("..") ? cover
                                                                                        : code + QStringLiteral(".jpg"));
    // The Compléments tab's descriptor and type fields show the current row of the books table,
    // another book's: the save takes them instead.
    if (auto* save = frm.findPart<catalogue::BookSave>()) {
        save->RecordDescriptors = values[Descriptors];
        save->RecordType = values[Type];
    }
    setFieldText(frm, "ComboBox12", values[Genre]);
    if (reader != RecordReader::SharedTitleBank)
        setFieldText(frm, "RichEdit4", values[Summary]);
    if (local) {
        setFieldText(frm, "Edit26", values[Keywords]);
        frm.BookLanguage = values[Language];
        setFieldText(frm, "Edit92", values[Price]);
    }
}

}  // namespace sharedbase
