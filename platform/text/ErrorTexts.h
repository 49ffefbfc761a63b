#pragma once
// The wording of the layer's own errors, which handlers show to the user as they are: English
// until the program gives its own table at start. "%1" and "%2" stand for the values named.
#include <QString>

namespace text {

struct ErrorTexts {
    QString invalidInteger = QStringLiteral("'%1' is not a valid integer value");  // the text
};

const ErrorTexts& errorTexts();
void setErrorTexts(const ErrorTexts& texts);

}  // namespace text
