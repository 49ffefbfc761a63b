#pragma once
// The text that the "Code EAN13" barcode font draws as the bars of a 13-digit code: the first
// digit as it is, the left half in the font's sets A and B as the first digit chooses, the
// centre guard "*", the right half and the recomputed check digit in set C, the end guard "+".
// Always 15 characters; the label sheets tell an EAN-13 label from a Code 39 one by that length.
#include <QString>

namespace catalogue {

// Reads the first 12 characters only (a wrong check digit is not reproduced). A non-digit
// among them, or fewer than 12 characters, throws text::ConversionError.
QString Ean13ToFontText(const QString& code);

}  // namespace catalogue
