#pragma once
// The wording of the print errors, which handlers show to the user as they are: English until
// the program gives its own at start.
#include <QString>

namespace richtext {

struct ErrorTexts {
    QString printNotStarted = QStringLiteral("The print could not start.");
    QString printFailed = QStringLiteral("The print failed.");
};

const ErrorTexts& errorTexts();
void setErrorTexts(const ErrorTexts& texts);

}  // namespace richtext
