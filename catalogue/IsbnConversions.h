#pragma once
// Book codes between their 13-character form (ISBN-13, the EAN-13 under the barcode) and their
// 10-character form (ISBN-10). Neither routine validates: each reads the characters at fixed
// places and computes. Each character read is converted on its own, so a non-digit, or a code
// too short to hold the places read, throws text::ConversionError and nothing is returned.
#include <QString>

namespace catalogue {

// Characters 4 to 12 and the ISBN-10 check character ("X" for ten).
QString Isbn13To10(const QString& code);
// "978", characters 1 to 9 and the EAN-13 check digit; the tenth character is not read.
QString Isbn10To13(const QString& code);

// The value of the digit at a 1-based place of the code.
int codeDigit(const QString& code, int position);
// The EAN-13 check digit of the code's first 12 digits.
int ean13CheckDigit(const QString& code);

}  // namespace catalogue
