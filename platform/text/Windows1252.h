#pragma once
// The code page of every text file the program reads and writes.
#include <QByteArray>
#include <QString>

namespace text {

// Every byte decodes; the five bytes the code page leaves undefined (81 8D 8F 90 9D)
// become the C1 controls of the same value, as Windows maps them, so all 256 round-trip.
QString decodeWindows1252(const QByteArray& bytes);
// Characters outside the code page become "?".
QByteArray encodeWindows1252(const QString& s);
bool isInWindows1252(QChar c);

// One byte's character, and one character's byte (-1 outside the code page), for readers and
// writers that go a character at a time.
QChar windows1252Char(uchar byte);
int windows1252Byte(QChar c);

}  // namespace text
