#include "platform/text/PascalText.h"

#include "platform/text/ErrorTexts.h"

#include <limits>

namespace text {

int Pos(const QString& sub, const QString& s, int from)
{
    if (sub.isEmpty() || from < 1)
        return 0;
    const qsizetype i = s.indexOf(sub, from - 1, Qt::CaseSensitive);
    return i < 0 ? 0 : int(i) + 1;
}

QString Copy(const QString& s, int index, int count)
{
    if (index < 1)
        index = 1;
    if (count <= 0 || index > s.size())
        return {};
    return s.mid(index - 1, count);
}

QString Delete(const QString& s, int index, int count)
{
    if (index < 1 || index > s.size() || count <= 0)
        return s;
    QString r = s;
    r.remove(index - 1, count);
    return r;
}

static bool isTrimmed(QChar c) { return c.unicode() <= u' '; }

QString Trim(const QString& s) { return TrimLeft(TrimRight(s)); }

QString TrimLeft(const QString& s)
{
    qsizetype i = 0;
    while (i < s.size() && isTrimmed(s[i]))
        ++i;
    return s.mid(i);
}

QString TrimRight(const QString& s)
{
    qsizetype n = s.size();
    while (n > 0 && isTrimmed(s[n - 1]))
        --n;
    return s.left(n);
}

QString UpperCase(const QString& s)
{
    QString r = s;
    for (QChar& c : r)
        if (c.unicode() >= u'a' && c.unicode() <= u'z')
            c = QChar(c.unicode() - 32);
    return r;
}

QString LowerCase(const QString& s)
{
    QString r = s;
    for (QChar& c : r)
        if (c.unicode() >= u'A' && c.unicode() <= u'Z')
            c = QChar(c.unicode() + 32);
    return r;
}

bool SameText(const QString& a, const QString& b) { return UpperCase(a) == UpperCase(b); }

std::optional<qint64> ParseInt64(const QString& s)
{
    qsizetype i = 0;
    while (i < s.size() && s[i] == u' ')
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+')) {
        negative = s[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < s.size() && s[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < s.size() && s[i] == u'0' && (s[i + 1] == u'x' || s[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i >= s.size())
        return std::nullopt;
    quint64 value = 0;
    const quint64 limit = quint64(std::numeric_limits<qint64>::max()) + (negative ? 1 : 0);
    for (; i < s.size(); ++i) {
        const char16_t c = s[i].unicode();
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return std::nullopt;
        if (value > (limit - digit) / base)
            return std::nullopt;
        value = value * base + digit;
    }
    return negative ? qint64(0 - value) : qint64(value);
}

std::optional<int> ParseInt(const QString& s)
{
    const auto v = ParseInt64(s);
    if (!v || *v < std::numeric_limits<int>::min() || *v > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(*v);
}

int StrToIntDef(const QString& s, int defaultValue) { return ParseInt(s).value_or(defaultValue); }

int StrToInt(const QString& s)
{
    const auto v = ParseInt(s);
    if (!v)
        throw ConversionError(errorTexts().invalidInteger.arg(s));
    return *v;
}

QString IntToStr(qint64 value) { return QString::number(value); }

}  // namespace text
