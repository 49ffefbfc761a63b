#pragma once
// Writes a document as RTF the way the rich-edit control streams it out: a font table by face
// name, a colour table, runs with their font, size (half-points) and colour, one \par per
// paragraph end, text outside ASCII as Windows-1252 escapes (\'hh) or Unicode (\uN?), each
// blank after a blank behind an empty group ({}). The page setup goes in as \paperw \paperh
// \margl ..., so that a word processor lays the document out on the same paper.
#include "platform/richtext/Document.h"

#include <QByteArray>

namespace richtext {

QByteArray writeRtf(const Document& document);

// Writes the document to the file at `path` (the program's path text), replacing it; a file that
// cannot be written throws files::FileError naming it.
void saveRtf(const Document& document, const QString& path);

}  // namespace richtext
