#pragma once
// The wording of the layer's own errors, which handlers show to the user as they are: English
// until the program gives its own table at start. "%1" and "%2" stand for the values named.
#include <QString>

namespace shell {

struct ErrorTexts {
    // The lock file, then why it cannot serve (one of the two below, or the system's own words).
    QString unusableLock = QStringLiteral("The lock file %1 cannot serve: %2.");
    QString notRegularFile = QStringLiteral("it is not a regular file");
    QString otherUsersFile = QStringLiteral("it belongs to another user");
};

const ErrorTexts& errorTexts();
void setErrorTexts(const ErrorTexts& texts);

}  // namespace shell
