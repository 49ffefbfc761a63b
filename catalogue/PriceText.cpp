#include "catalogue/PriceText.h"

#include "app/TextRoutines.h"

namespace catalogue {

namespace {

// The largest whole amount a currency column holds.
constexpr double kLargestPrice = 922337203685477.0;

}  // namespace

QString priceForStorage(const QString& typed)
{
    QString price = typed;
    if (!price.contains(u','))
        price.replace(u'.', u',');
    price = KeepDigitsAndComma(price);
    const qsizetype separator = price.indexOf(u',');
    if (separator >= 0)
        price = price.left(separator + 1) + price.mid(separator + 1).remove(u',');
    const QString number = QString(price).replace(u',', u'.');
    if (price.isEmpty() || price == u"," || number.toDouble() > kLargestPrice)
        return QStringLiteral("0,00");
    return price;
}

}  // namespace catalogue
