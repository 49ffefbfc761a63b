#pragma once
// Which barcode face a stored CodeBarres is made for. The EAN-13 face draws the 15-character font
// text of a 13-digit code (also when stored as 13 digits with a blank on each side); a text
// between asterisks is a Code 39 text whatever its length, as the save stores a 979 ISBN
// ("*979…*", 15 characters). Every other text is drawn in Code 39 too.
#include <QString>

namespace labels {

bool isEan13FontText(const QString& codeBarres);

}  // namespace labels
