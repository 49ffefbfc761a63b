#include "platform/browser/PageCharset.h"

#include "platform/text/Windows1252.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace browser {

namespace {

enum class Charset { Unknown, Utf8, Utf16Le, Utf16Be, Windows1252 };

Charset charsetNamed(const QByteArray& name)
{
    if (name.isEmpty())
        return Charset::Unknown;
    if (name == "utf-8" || name == "utf8")
        return Charset::Utf8;
    if (name == "utf-16le" || name == "utf-16")
        return Charset::Utf16Le;
    if (name == "utf-16be")
        return Charset::Utf16Be;
    return Charset::Windows1252;
}

Charset charsetOfMark(const QByteArray& body)
{
    if (body.startsWith("\xEF\xBB\xBF"))
        return Charset::Utf8;
    if (body.startsWith("\xFF\xFE"))
        return Charset::Utf16Le;
    if (body.startsWith("\xFE\xFF"))
        return Charset::Utf16Be;
    return Charset::Unknown;
}

QByteArray metaCharset(const QByteArray& body)
{
    static const QRegularExpression meta(QStringLiteral("<meta\\b[^>]*>"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression direct(QStringLiteral("\\bcharset\\s*=\\s*[\"']?\\s*([A-Za-z0-9_.:-]+)"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QString head = QString::fromLatin1(body.left(1024));
    auto tags = meta.globalMatch(head);
    while (tags.hasNext()) {
        const QRegularExpressionMatch found = direct.match(tags.next().captured());
        if (found.hasMatch())
            return found.captured(1).toLatin1().toLower();
    }
    return {};
}

QString decodeAs(Charset charset, const QByteArray& body)
{
    switch (charset) {
    case Charset::Utf8:
        return QStringDecoder(QStringConverter::Utf8)(body);
    case Charset::Utf16Le:
        return QStringDecoder(QStringConverter::Utf16LE)(body);
    case Charset::Utf16Be:
        return QStringDecoder(QStringConverter::Utf16BE)(body);
    case Charset::Unknown:
    case Charset::Windows1252:
        break;
    }
    return text::decodeWindows1252(body);
}

}  // namespace

QByteArray charsetParameter(const QByteArray& typeText)
{
    for (const QByteArray& part : typeText.split(';')) {
        const QByteArray trimmed = part.trimmed();
        if (trimmed.toLower().startsWith("charset=")) {
            QByteArray value = trimmed.mid(8).trimmed();
            if (value.size() >= 2 && (value.startsWith('"') || value.startsWith('\'')))
                value = value.mid(1, value.size() - 2);
            return value.trimmed().toLower();
        }
    }
    return {};
}

QString decodePage(const QByteArray& body, const QByteArray& contentType)
{
    Charset charset = charsetNamed(charsetParameter(contentType));
    if (charset == Charset::Unknown)
        charset = charsetOfMark(body);
    if (charset == Charset::Unknown)
        charset = charsetNamed(metaCharset(body));
    QString text = decodeAs(charset, body);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

}  // namespace browser
