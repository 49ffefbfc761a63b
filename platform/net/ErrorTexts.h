#pragma once
// The wording of the layer's own errors, which handlers show to the user as they are: English
// until the program gives its own table at start. "%1", "%2" and "%3" stand for the values named;
// a request's name ("FTP connect to host port 21", "GET <address>") and libcurl's own reason
// stay as they are.
#include <QString>

namespace net {

struct ErrorTexts {
    // %1 libcurl's reason.
    QString libraryFailed = QStringLiteral("network library: %1");
    QString noConnectionHandle = QStringLiteral("network library: cannot create a connection handle");
    QString closeWhileRunning = QStringLiteral("cannot close a connection while a request is running on it");
    // %1 the request.
    QString anotherRequestRunning = QStringLiteral("%1: another request is running on this connection");
    // %1 the request.
    QString cannotStart = QStringLiteral("%1: cannot start the request");
    // %1 the request, %2 the seconds waited.
    QString noAnswer = QStringLiteral("%1: no answer within %2 s");
    // %1 the request, %2 the bytes allowed.
    QString answerTooLarge = QStringLiteral("%1: the answer is larger than the %2 bytes expected at most");
    // %1 the request, %2 the bytes allowed.
    QString repliesTooLong = QStringLiteral("%1: the server's replies pass %2 bytes");
    // %1 the request, %2 the reason (libcurl's, the server's reply or the file's).
    QString failed = QStringLiteral("%1: %2");
    QString noFtpHost = QStringLiteral("FTP connect: no host given");
    // %1 the request.
    QString invalidHostAndPort = QStringLiteral("%1: not a valid host and port");
    // %1 the request.
    QString notConnected = QStringLiteral("%1: not connected");
    // %1 the remote name.
    QString controlCharacterInName = QStringLiteral("FTP: the remote name \"%1\" holds a control character");
    // %1 the address.
    QString notWebAddress = QStringLiteral("GET %1: not an http or https address");
    // %1 the local file, %2 the reason.
    QString cannotWrite = QStringLiteral("cannot write %1: %2");
    // %1 the request, %2 the status, %3 redirectNotFollowed or nothing.
    QString badStatus = QStringLiteral("%1: the server answered with status %2%3");
    QString redirectNotFollowed = QStringLiteral(" (redirect not followed)");
    // %1 the server as given.
    QString invalidSmtpServer = QStringLiteral("SMTP: \"%1\" is not a server name with an optional port");
    QString noSmtpServer = QStringLiteral("SMTP: no server given");
    QString lineBreakInMail = QStringLiteral("SMTP: a line break inside an address or subject");
};

const ErrorTexts& errorTexts();
void setErrorTexts(const ErrorTexts& texts);

}  // namespace net
