#pragma once
// Reads RTF into a document: the subset the writer produces, plus what a word processor that
// saved the same file adds. Groups it does not know that are marked ignorable (\*), and the
// known non-text groups (style sheet, document information, pictures, headers, list tables),
// are skipped; unknown control words are ignored. Malformed input never throws: what was read
// up to the fault is the document.
#include "platform/richtext/Document.h"

#include <QByteArray>

namespace richtext {

Document readRtf(const QByteArray& rtf);

// The content of a file as the rich-edit control loads it: RTF when it starts with "{\rtf",
// otherwise Windows-1252 plain text in `plainFormat`.
Document readDocument(const QByteArray& content, const CharFormat& plainFormat = CharFormat());

// Reads the file at `path` (the program's path text); a file that cannot be read throws
// files::FileError naming it.
Document loadDocument(const QString& path, const CharFormat& plainFormat = CharFormat());

}  // namespace richtext
