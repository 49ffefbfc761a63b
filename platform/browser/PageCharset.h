#pragma once
// How a page's bytes become text: the charset of the Content-Type header, else a byte-order
// mark, else a <meta> declaration in the first 1024 bytes, else Windows-1252 (a French
// system's default). Names other than UTF-8 and UTF-16 read as Windows-1252, which is what
// browsers do with Latin-1 and ASCII too.
#include <QByteArray>
#include <QString>

namespace browser {

QString decodePage(const QByteArray& body, const QByteArray& contentType);
// The charset parameter of a Content-Type value or of a meta content text, lower-cased; empty
// when it names none.
QByteArray charsetParameter(const QByteArray& typeText);

}  // namespace browser
