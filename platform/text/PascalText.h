#pragma once
// Pascal-style text helpers. Positions are 1-based and count UTF-16 units, as the
// program's stored formats were defined with them.
#include <QString>
#include <optional>
#include <stdexcept>

namespace text {

// 1-based position of the first Sub in S; 0 when absent or Sub is empty.
int Pos(const QString& sub, const QString& s, int from = 1);
// Count characters from 1-based Index; out-of-range parts are clipped, never an error.
QString Copy(const QString& s, int index, int count);
QString Delete(const QString& s, int index, int count);

// Trim removes every character <= space (controls included), not only white space.
QString Trim(const QString& s);
QString TrimLeft(const QString& s);
QString TrimRight(const QString& s);

// Only a-z / A-Z change case; accented letters stay as they are.
QString UpperCase(const QString& s);
QString LowerCase(const QString& s);
bool SameText(const QString& a, const QString& b);

// Whole numbers: optional leading blanks, a sign, decimal digits or "$"/"0x" hexadecimal.
// Anything else (empty, trailing text, overflow) is no number.
std::optional<qint64> ParseInt64(const QString& s);
std::optional<int> ParseInt(const QString& s);
int StrToIntDef(const QString& s, int defaultValue);
// The error of the standard text-to-integer conversion, with the library's own French message.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& message) : std::runtime_error(message.toStdString()) {}
};
// As ParseInt; anything it refuses throws ConversionError.
int StrToInt(const QString& s);
QString IntToStr(qint64 value);

}  // namespace text
