#include "web/sharedbase/RecordOnEntryTab.h"

#include "catalogue/BookCodes.h"
#include "catalogue/Ean13FontText.h"
#include "platform/text/PascalText.h"
#include "web/sharedbase/SharedBookRecord.h"

namespace sharedbase {

web::BookRecord recordOnEntryTab(const QStringList& values, RecordReader reader, const QString& code)
{
    const bool byTitle = reader == RecordReader::SharedTitleBank || reader == RecordReader::LocalTitleBank;
    const bool local = reader == RecordReader::ImageBank || reader == RecordReader::LocalTitleBank;
    web::BookRecord record;
    record.title = values[Title];
    if (!values[Title].isEmpty())
        record.found = true;
    if (byTitle) {
        record.code = QString();
        record.barcodeText = QString();
    }
    const QString shownCode = text::Trim(byTitle ? QString() : code);
    if (shownCode.size() == 13 && catalogue::isAllDigits(shownCode))
        record.barcodeText = catalogue::Ean13ToFontText(shownCode);
    record.author = values[Author];
    record.publisher = values[Publisher];
    record.published = values[Published];
    record.pages = values[Pages];
    const QString cover = text::Trim(values[Cover]);
    record.coverName =
        isSafeRemoteName(cover) && cover != QStringLiteral("..") ? cover : shownCode + QStringLiteral(".jpg");
    // The Compléments tab's descriptor and type fields show the current row of the books table,
    // another book's: the save takes them instead.
    record.descriptors = values[Descriptors];
    record.type = values[Type];
    record.genre = values[Genre];
    if (reader != RecordReader::SharedTitleBank)
        record.summary = values[Summary];
    if (local) {
        record.keywords = values[Keywords];
        record.language = values[Language];
        record.price = values[Price];
    }
    return record;
}

}  // namespace sharedbase
