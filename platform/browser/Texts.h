#pragma once
// The texts the browser shows in its own pages: English until the program gives its own at
// start. The readers recognise a cancelled navigation by the same text.
#include <QString>

namespace browser {

struct Texts {
    QString cancelledNavigation = QStringLiteral("Navigation cancelled");
};

const Texts& texts();
void setTexts(const Texts& given);

}  // namespace browser
