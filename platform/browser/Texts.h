#pragma once
// The texts of the browser: its own pages and its errors, English until the program gives its
// own at start. The readers recognise a cancelled navigation by the same text.
#include <QString>

namespace browser {

struct Texts {
    QString cancelledNavigation = QStringLiteral("Navigation cancelled");
    // %1 the address asked.
    QString stillLoading = QStringLiteral("%1: the hidden browser is still loading another page");
};

const Texts& texts();
void setTexts(const Texts& given);

}  // namespace browser
