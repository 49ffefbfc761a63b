#include "platform/net/SmtpSender.h"

#include "platform/net/CurlSession.h"
#include "platform/net/Error.h"
#include "platform/net/ErrorTexts.h"

#include <QBuffer>
#include <QDateTime>
#include <QUrl>
#include <algorithm>

namespace net {

namespace {

constexpr int kSubmissionPort = 587;

// A line break in an address or header would let a value add headers or commands of its own.
bool hasLineBreak(const QString& s)
{
    return std::any_of(s.begin(), s.end(), [](QChar c) { return c == u'\r' || c == u'\n'; });
}

bool isPlainAscii(const QString& s)
{
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7f; });
}

QByteArray headerText(const QString& value)
{
    if (isPlainAscii(value))
        return value.toLatin1();
    return "=?UTF-8?B?" + value.toUtf8().toBase64() + "?=";
}

// Quoted-printable (RFC 2045): lines of at most 76 characters, soft breaks where needed.
QByteArray quotedPrintable(const QString& body)
{
    QString text = body;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QByteArray out;
    const QList<QByteArray> lines = text.toUtf8().split('\n');
    for (qsizetype l = 0; l < lines.size(); ++l) {
        const QByteArray& line = lines[l];
        int column = 0;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const auto c = static_cast<unsigned char>(line[i]);
            const bool last = i + 1 == line.size();
            QByteArray piece;
            if ((c >= 33 && c <= 126 && c != '=') || (c == ' ' && !last))
                piece = QByteArray(1, char(c));
            else
                piece = QByteArray("=") + QByteArray::number(c, 16).toUpper().rightJustified(2, '0');
            if (column + piece.size() > 75) {
                out += "=\r\n";
                column = 0;
            }
            out += piece;
            column += int(piece.size());
        }
        if (l + 1 < lines.size())
            out += "\r\n";
    }
    return out;
}

QByteArray serverUrl(const QString& server)
{
    QString host = server.trimmed();
    int port = kSubmissionPort;
    const qsizetype colon = host.lastIndexOf(u':');
    if (colon > 0) {
        bool ok = false;
        port = host.mid(colon + 1).toInt(&ok);
        if (!ok)
            port = 0;
        host = host.left(colon);
    }
    QUrl url;
    url.setScheme(QStringLiteral("smtp"));
    url.setHost(host, QUrl::StrictMode);
    url.setPort(port);
    if (host.isEmpty() || !url.isValid() || port < 1 || port > 65535)
        throw Error(errorTexts().invalidSmtpServer.arg(server));
    return url.toEncoded();
}

}  // namespace

SmtpSender::SmtpSender(Waiting waiting, SmtpAccount account)
    : session_(std::make_unique<CurlSession>(std::move(waiting))), account_(std::move(account))
{
}

SmtpSender::~SmtpSender() = default;

QByteArray SmtpSender::compose(const QString& from, const MailMessage& message, const QDateTime& date)
{
    QByteArray mail;
    mail += "Date: " + date.toString(Qt::RFC2822Date).toLatin1() + "\r\n";
    mail += "From: <" + from.toUtf8() + ">\r\n";
    mail += "To: <" + message.to.toUtf8() + ">\r\n";
    mail += "Subject: " + headerText(message.subject) + "\r\n";
    mail += "MIME-Version: 1.0\r\n";
    mail += "Content-Type: text/plain; charset=UTF-8\r\n";
    mail += "Content-Transfer-Encoding: quoted-printable\r\n";
    mail += "\r\n";
    mail += quotedPrintable(message.body) + "\r\n";
    return mail;
}

void SmtpSender::send(const MailMessage& message)
{
    if (account_.server.trimmed().isEmpty())
        throw Error(errorTexts().noSmtpServer);
    for (const QString* value : std::initializer_list<const QString*>{&account_.address, &message.to, &message.subject})
        if (hasLineBreak(*value))
            throw Error(errorTexts().lineBreakInMail);
    const QString what = QStringLiteral("SMTP mail to %1").arg(message.to);
    CURL* easy = session_->prepare(what, serverUrl(account_.server), "smtp");
    curl_easy_setopt(easy, CURLOPT_USE_SSL, long(CURLUSESSL_TRY));
    const QByteArray user = account_.address.toUtf8();
    const QByteArray password = account_.password.toUtf8();
    curl_easy_setopt(easy, CURLOPT_USERNAME, user.constData());
    curl_easy_setopt(easy, CURLOPT_PASSWORD, password.constData());
    const QByteArray from = '<' + user + '>';
    curl_easy_setopt(easy, CURLOPT_MAIL_FROM, from.constData());
    const QByteArray to = '<' + message.to.toUtf8() + '>';
    curl_slist* recipients = curl_slist_append(nullptr, to.constData());
    curl_easy_setopt(easy, CURLOPT_MAIL_RCPT, recipients);
    QByteArray mail = compose(account_.address, message, QDateTime::currentDateTime());
    QBuffer source(&mail);
    source.open(QIODevice::ReadOnly);
    session_->sendFrom(source, mail.size());
    try {
        session_->run();
    } catch (...) {
        curl_slist_free_all(recipients);
        throw;
    }
    curl_slist_free_all(recipients);
}

}  // namespace net
