#include "app/TextRoutines.h"

#include "platform/files/FileError.h"
#include "platform/files/ShownPath.h"
#include "platform/files/WindowsPath.h"

#include <QFile>
#include <cmath>
#include <utility>

QString ReplaceAll(const QString& s, const QString& oldText, const QString& newText)
{
    if (oldText.isEmpty())
        return s;
    if (newText.contains(oldText)) {
        QString r = s;
        return r.replace(oldText, newText);
    }
    QString r = s;
    for (qsizetype i = r.indexOf(oldText); i >= 0; i = r.indexOf(oldText))
        r.replace(i, oldText.size(), newText);
    return r;
}

QString RemoveAccents(const QString& s)
{
    static const QString from = QStringLiteral(
        "ÀÁÂÃÄÅàáâãäåÒÓÔÕÖØòóôõöøÈÉÊËèéêëÇçÌÍÎÏìíîïÙÚÛÜùúûüÿÑñ");
    static const QString to = QStringLiteral(
        "AAAAAAaaaaaaOOOOOOooooooEEEEeeeeCcIIIIiiiiUUUUuuuuyNn");
    QString r = s;
    for (QChar& c : r) {
        const qsizetype i = from.indexOf(c);
        if (i >= 0)
            c = to[i];
    }
    return r;
}

namespace {

// Replacement of one character for RemoveFrenchAccents, by code up to œ; null when kept.
struct FrenchAccentTable {
    static constexpr char16_t size = u'œ' + 1;
    const char* to[size] = {};

    FrenchAccentTable()
    {
        static const std::pair<char16_t, const char*> replaced[] = {
            {u'é', "e"}, {u'è', "e"}, {u'ê', "e"}, {u'ë', "e"}, {u'à', "a"}, {u'â', "a"}, {u'ä', "a"},
            {u'ç', "c"}, {u'î', "i"}, {u'Î', "I"}, {u'Ï', "I"}, {u'ï', "i"}, {u'ô', "o"}, {u'ö', "o"},
            {u'Ö', "O"}, {u'Ô', "O"}, {u'œ', "oe"}, {u'ù', "u"}, {u'û', "u"}, {u'ü', "u"}, {u'Ù', "U"},
            {u'À', "A"}, {u'Ç', "C"}, {u'É', "E"}, {u'È', "E"}, {u'Ê', "E"}, {u'Ë', "E"}, {u'Â', "A"},
            {u'°', ""},
        };
        for (const auto& [from, text] : replaced)
            to[from] = text;
    }

    const char* replacement(QChar c) const { return c.unicode() < size ? to[c.unicode()] : nullptr; }
};

// "ê", "é", "è" and "ë" read as Latin-1 from UTF-8: "Ã" then the second unit.
bool isMisreadE(QStringView s, qsizetype i)
{
    return s[i] == u'Ã' && i + 1 < s.size()
        && (s[i + 1] == u'ª' || s[i + 1] == u'©' || s[i + 1] == u'¨' || s[i + 1] == u'«');
}

}  // namespace

QString RemoveFrenchAccents(const QString& s)
{
    static const FrenchAccentTable table;
    // Searches call this on every title of the catalogue, most of them needing nothing.
    qsizetype i = 0;
    while (i < s.size() && !table.replacement(s[i]) && !isMisreadE(s, i))
        ++i;
    if (i == s.size())
        return s;
    QString r = s.first(i);
    r.reserve(s.size() + 1);
    for (; i < s.size(); ++i) {
        if (isMisreadE(s, i)) {
            r += u'e';
            ++i;
        } else if (const char* to = table.replacement(s[i])) {
            r += QLatin1StringView(to);
        } else {
            r += s[i];
        }
    }
    return r;
}

QString ToSafeFileName(const QString& s)
{
    static const char16_t unsafe[] = u" '[]():-?,!%/\\.\";";
    QString r = s;
    for (const char16_t* c = unsafe; *c; ++c)
        r = ReplaceAll(r, QString(QChar(*c)), QStringLiteral("_"));
    return RemoveFrenchAccents(r);
}

QString ControlCharsToSpaces(const QString& s)
{
    QString r = s;
    for (QChar& c : r)
        if (c.unicode() < 32)
            c = u' ';
    return r;
}

QString FixAzertyDigits(const QString& s)
{
    static const char16_t row[] = u"à&é\"'(-è_ç";
    QString r = s;
    for (int digit = 0; digit < 10; ++digit)
        r = ReplaceAll(r, QString(QChar(row[digit])), QString(QChar(u'0' + digit)));
    return r;
}

QString FixAzertyDigitsByChar(const QString& s)
{
    QString r;
    r.reserve(s.size());
    for (const QChar c : s)
        r += FixAzertyDigits(QString(c));
    return r;
}

static QString keepOnly(const QString& s, bool (*keep)(QChar))
{
    QString r;
    for (const QChar c : s)
        if (keep(c))
            r += c;
    return r;
}

static bool isAsciiDigit(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }

QString KeepDigitsAndComma(const QString& s)
{
    return keepOnly(s, [](QChar c) { return isAsciiDigit(c) || c == u','; });
}

QString KeepDigitsAndX(const QString& s)
{
    return keepOnly(s, [](QChar c) { return isAsciiDigit(c) || c == u'X'; });
}

QString Spaces(int count) { return count > 0 ? QString(count, u' ') : QString(); }

QString CarriageReturns(int count) { return count > 0 ? QString(count, u'\r') : QString(); }

QString TextAfter(const QString& delim, const QString& s)
{
    if (delim.isEmpty())
        return {};
    const qsizetype i = s.indexOf(delim);
    return i < 0 ? QString() : s.mid(i + delim.size());
}

QString TextBefore(const QString& delim, const QString& s)
{
    if (delim.isEmpty())
        return {};
    const qsizetype i = s.indexOf(delim);
    return i <= 0 ? QString() : s.left(i);
}

// A number pattern of "0"s with an optional ".00…"; halves round away from zero as the
// program's number formatting always did (printf would round 2.5 to 2).
static QString formatNumber(const QString& pattern, double value)
{
    const qsizetype dot = pattern.indexOf(u'.');
    const int decimals = dot < 0 ? 0 : int(pattern.size() - dot - 1);
    const double scale = std::pow(10.0, decimals);
    return QString::number(std::round(value * scale) / scale, 'f', decimals);
}

QString FileSizeText(const QString& pattern, const QString& fileName)
{
    if (fileName.isEmpty())
        return {};
    QFile f(files::nativePath(fileName));
    if (!f.open(QIODevice::ReadOnly))
        throw files::FileError(QStringLiteral("Erreur d'E/S : impossible d'ouvrir le fichier %1").arg(files::shownPath(fileName)));
    const qint64 size = f.size();
    if (size / 1024 < 1024)
        return formatNumber(pattern, double(size));
    return formatNumber(pattern, double(size) / 1048576.0);
}
