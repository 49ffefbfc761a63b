#pragma once
// Repairs a title taken from a bookshop's product page: leftover markup becomes blanks and
// French letters whose UTF-8 bytes were read as Windows-1252 are turned back. The result is
// never longer than the text.
#include <QString>

namespace catalogue {

QString CleanWebText(const QString& text);

}  // namespace catalogue
