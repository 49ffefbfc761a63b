#pragma once
// The public book sites the look-up reads, as their pages and pictures are addressed.
#include <QString>
#include <QStringList>

namespace web {

inline const QString kDialoguesSite = QStringLiteral("http://www.librairiedialogues.fr");
// The host of the Dialogues pictures, as it stands in the book page.
inline const QString kDialoguesPictureHost = QStringLiteral("images.librairiedialogues.fr");
inline const QString kBookFinderSite = QStringLiteral("http://www.bookfinder.com");
inline const QString kAbeBooksPictures = QStringLiteral("http://pictures.abebooks.com");
inline const QString kDecitreSite = QStringLiteral("http://www.decitre.fr");
inline const QString kDecitrePictures = QStringLiteral("https://products-images.di-static.com");
inline const QString kAmazonSite = QStringLiteral("https://www.amazon.fr");
// The store's picture hosts, asked in this order on a product page.
inline const QStringList kAmazonPicturePrefixes = {
    QStringLiteral("https://m.media-amazon.com/images/I/"),
    QStringLiteral("https://images-eu.ssl-images-amazon.com/images/I/"),
    QStringLiteral("https://images-na.ssl-images-amazon.com/images/I/"),
};
// The store's picture hosts one by one, and the host its older pages named.
inline const QString kAmazonNorthAmericaPictures = QStringLiteral("https://images-na.ssl-images-amazon.com");
inline const QString kAmazonEuropePictures = QStringLiteral("https://images-eu.ssl-images-amazon.com");
inline const QString kAmazonMediaPictures = QStringLiteral("https://m.media-amazon.com");
inline const QString kAmazonFormerPictures = QStringLiteral("http://ecx.images-amazon.com");
// The Rakuten shop, whose pages link their pictures under its own host, and its picture host.
inline const QString kRakutenShop = QStringLiteral("https://fr.shopping.rakuten.com");
inline const QString kRakutenPictures = QStringLiteral("https://pmcdn.priceminister.com");
// The price-comparison site and the host of its pictures.
inline const QString kChasseSite = QStringLiteral("https://www.chasse-aux-livres.fr");
inline const QString kChassePictureHost = QStringLiteral("https://images.chasse-aux-livres.fr");

}  // namespace web
