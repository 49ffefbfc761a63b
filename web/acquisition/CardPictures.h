#pragma once
// The card pictures "Cartes\Carte (n).jpg", n from 1 to 500, delivered with the program: a
// borrower without a photo gets one drawn at random as their photo.
#include <QString>
#include <functional>

namespace app {
class TFrmPrin;
}

namespace acquisition {

constexpr int kCardPictureCount = 500;

// A number from 1 to kCardPictureCount, uniformly.
using CardDraw = std::function<int()>;
// Draws from the system's random source.
CardDraw systemCardDraw();
// The file of card picture n, under the program folder.
QString cardPicturePath(int n);

// Walks every borrower of the table; each one that qualifies and has no photo file gets a copy
// of a card picture drawn for them. A missing card picture is passed over. The number of
// pictures copied.
int giveCardPictures(app::TFrmPrin& frm, const CardDraw& draw, const std::function<bool(const QString& numIne)>& qualifies);

}  // namespace acquisition
