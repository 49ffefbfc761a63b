#pragma once
// A shared-base or image-bank record shown on the entry tab, as its readers fill it.
#include <QStringList>

namespace app {
class TFrmPrin;
}

namespace sharedbase {

// The readers by code, and those of the title search, which read the banks under a title's key.
enum class RecordReader { SharedBase, ImageBank, SharedTitleBank, LocalTitleBank };

// Fills the entry tab from the values of a record; the image bank's records also give the
// keywords, the language and the price. The code looked up stays: a record's code field is
// another school's text (a ";" in a title shifts it), so it is taken only when it names the same
// code; a book found by its title keeps no code. The cover name is taken only as a plain file
// name, else the code's cover name. The descriptors and the type go with the book to its save.
// Sets LookupFound when the title is not empty.
void showRecordOnEntryTab(app::TFrmPrin& frm, const QStringList& values, RecordReader reader);

}  // namespace sharedbase
