#pragma once
// The price typed on the book screen, as the text the currency column is given.
#include <QString>

namespace catalogue {

// Digits and one decimal comma: a point is the decimal separator when no comma was typed
// ("12.50" is 12,50), only the first separator counts, everything else is dropped. A price
// that is empty, a lone comma, or above the column's largest whole amount is "0,00".
QString priceForStorage(const QString& typed);

}  // namespace catalogue
