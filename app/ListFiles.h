#pragma once
// The list files of the program folder ("TYPE.txt", "GENRE.txt", "TYPE_AUTRE_SUPPORT.txt") and
// the storage places (the file names of "Photo_Rangement\"): the entries the combo boxes offer.
// The user edits the files; the boxes accept any typed text all the same.
#include <QString>
#include <QStringList>

namespace files {
class TextFileRecord;
}

namespace app {

class TFrmPrin;

// Every line of a list file in file order, empty lines included; a final line end adds no entry
// and an empty file gives one empty entry. Throws files::FileError when the file cannot be read.
QStringList readListFile(files::TextFileRecord& file, const QString& windowsPath);

// Fills each list's boxes anew, in the order the login does: the three list files, then the
// storage places, then the sub-folders of "Photo_Rangement\" (with "." and "..") into the hidden
// ListBox2. A list file that cannot be read is reported by name and leaves its boxes empty; a
// missing folder leaves the storage places empty. Every box must be there: std::out_of_range.
void loadListFiles(TFrmPrin& frm);
// The login runs the loading by name, bound once every screen with a box is built.
void bindListFiles(TFrmPrin& frm);

}  // namespace app
