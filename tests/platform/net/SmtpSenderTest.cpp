#include "NetTestSupport.h"
#include "TestServers.h"

#include "platform/net/SmtpSender.h"

#include <QTimeZone>

namespace {

using net::MailMessage;
using net::SmtpSender;

TEST(SmtpSender, TheMailIsUtf8QuotedPrintableWithAnEncodedSubject)
{
    const QDateTime date(QDate(2025, 12, 8), QTime(9, 30), Qt::UTC);
    const QByteArray mail = SmtpSender::compose(
        QStringLiteral("bib@example.org"),
        {QStringLiteral("lea@example.org"), QStringLiteral("Livre à rendre"),
         QStringLiteral("Bonjour,\nle livre = %1 est prévu ").arg(QString(80, u'x'))},
        date);
    const QByteArray expected =
        "Date: 08 Dec 2025 09:30:00 +0000\r\n"
        "From: <bib@example.org>\r\n"
        "To: <lea@example.org>\r\n"
        "Subject: =?UTF-8?B?TGl2cmUgw6AgcmVuZHJl?=\r\n"
        "MIME-Version: 1.0\r\n"
        "Content-Type: text/plain; charset=UTF-8\r\n"
        "Content-Transfer-Encoding: quoted-printable\r\n"
        "\r\n"
        "Bonjour,\r\n"
        "le livre =3D xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx=\r\n"
        "xxxxxxxxxxxxxxxxxx est pr=C3=A9vu=20\r\n";
    EXPECT_EQ(mail, expected);
}

TEST(SmtpSender, UnsetOrUnreachableServersAndInjectedHeadersAreErrors)
{
    DeadPort refusing(DeadPort::Refusing);
    net::Waiting waiting;
    waiting.processMessages = [] {};
    const MailMessage mail{QStringLiteral("lea@example.org"), QStringLiteral("Livre en retard"), QStringLiteral("Merci")};
    EXPECT_TRUE(errorOf([&] { SmtpSender(waiting, {QString(), "bib@example.org", "x"}).send(mail); })
                    .contains(QStringLiteral("no server")));
    EXPECT_FALSE(errorOf([&] {
        SmtpSender(waiting, {QStringLiteral("127.0.0.1:%1").arg(refusing.port()), "bib@example.org", "x"}).send(mail);
    }).isEmpty());
    const MailMessage injected{QStringLiteral("lea@example.org\r\nBcc: x@example.org"), mail.subject, mail.body};
    EXPECT_TRUE(errorOf([&] { SmtpSender(waiting, {QStringLiteral("127.0.0.1:25"), "bib@example.org", "x"}).send(injected); })
                    .contains(QStringLiteral("line break")));
}

}  // namespace
