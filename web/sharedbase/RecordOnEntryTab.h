#pragma once
// What a shared-base or image-bank record puts on the entry tab, as its readers take it.
#include "web/BookRecord.h"

#include <QStringList>

namespace sharedbase {

// The readers by code, and those of the title search, which read the banks under a title's key.
enum class RecordReader { SharedBase, ImageBank, SharedTitleBank, LocalTitleBank };

// The entry tab's values of a record read for the book `code` (the code on the tab); the image
// bank's records also give the keywords, the language and the price. The code looked up stays:
// a record's code field is another school's text (a ";" in a title shifts it); a book found by
// its title keeps no code. The cover name is taken only as a plain file name, else the code's
// cover name. The descriptors and the type go with the book to its save. Found when the title is
// not empty.
web::BookRecord recordOnEntryTab(const QStringList& values, RecordReader reader, const QString& code);

}  // namespace sharedbase
