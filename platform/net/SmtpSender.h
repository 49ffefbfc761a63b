#pragma once
// Sends plain-text mails through an account's SMTP server on libcurl: STARTTLS when the server
// offers it, a login when it asks for one. The server is "host" or "host:port" (587, the
// submission port, when no port is given).
#include "platform/net/Waiting.h"

#include <QDateTime>
#include <QString>
#include <memory>

namespace net {

class CurlSession;

struct SmtpAccount {
    QString server;
    QString address;  // the sender, also the login
    QString password;
};

struct MailMessage {
    QString to;
    QString subject;
    QString body;
};

class SmtpSender {
public:
    SmtpSender(Waiting waiting, SmtpAccount account);
    ~SmtpSender();

    // Throws Error when the server is not set, cannot be reached, refuses the login, the sender
    // or the recipient, or does not take the mail.
    void send(const MailMessage& message);

    // The mail as it goes on the wire: headers (the subject encoded when it is not plain ASCII),
    // a blank line, the body in UTF-8 with CR LF line ends and quoted-printable encoding.
    static QByteArray compose(const QString& from, const MailMessage& message, const QDateTime& date);

private:
    std::unique_ptr<CurlSession> session_;
    SmtpAccount account_;
};

}  // namespace net
