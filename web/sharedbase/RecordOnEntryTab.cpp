#include "web/sharedbase/RecordOnEntryTab.h"

#include "app/FrmPrin.h"
#include "catalogue/BookCodes.h"
#include "catalogue/Ean13FontText.h"
#include "platform/text/PascalText.h"
#include "web/ReaderScreen.h"
#include "web/sharedbase/SharedBookRecord.h"

namespace sharedbase {

void showRecordOnEntryTab(app::TFrmPrin& frm, const QStringList& values, RecordReader reader)
{
    using web::setFieldText;
    setFieldText(frm, "Edit4", values[Title]);
    frm.LookupFound = !values[Title].isEmpty();
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
    setFieldText(frm, "ComboBox12", values[Genre]);
    setFieldText(frm, "RichEdit4", values[Summary]);
    if (reader == RecordReader::ImageBank) {
        setFieldText(frm, "Edit26", values[Keywords]);
        frm.BookLanguage = values[Language];
        setFieldText(frm, "Edit92", values[Price]);
    }
}

}  // namespace sharedbase
