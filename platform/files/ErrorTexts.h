#pragma once
// The wording of the layer's own errors, which handlers show to the user as they are: English
// until the program gives its own table at start. "%1" and "%2" stand for the values named.
#include <QString>

namespace files {

struct ErrorTexts {
    QString cannotOpen = QStringLiteral("I/O error: cannot open the file %1");
    QString cannotRead = QStringLiteral("I/O error: cannot read the file %1");
    QString cannotWrite = QStringLiteral("I/O error: cannot write the file %1");
    QString notOpenForWriting = QStringLiteral("I/O error: the file %1 is not open for writing");
    QString notOpenForReading = QStringLiteral("I/O error: the file %1 is not open for reading");
};

const ErrorTexts& errorTexts();
void setErrorTexts(const ErrorTexts& texts);

}  // namespace files
