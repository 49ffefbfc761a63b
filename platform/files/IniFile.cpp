#include "platform/files/IniFile.h"

#include "platform/files/TextFile.h"
#include "platform/files/WindowsPath.h"
#include "platform/text/PascalText.h"
#include "platform/text/TextLines.h"
#include "platform/text/Windows1252.h"

#include <QDateTime>
#include <QHash>
#include <optional>

namespace files {

namespace {

QString stripBlanks(const QString& s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && (s[b] == u' ' || s[b] == u'\t'))
        ++b;
    while (e > b && (s[e - 1] == u' ' || s[e - 1] == u'\t'))
        --e;
    return s.mid(b, e - b);
}

// "[name]" (blanks around the name allowed); nothing when the line is no section header.
std::optional<QString> sectionName(const QString& line)
{
    const QString t = stripBlanks(line);
    if (!t.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = t.indexOf(u']');
    if (close < 0)
        return std::nullopt;
    return stripBlanks(t.mid(1, close - 1));
}

struct KeyLine {
    QString key;
    QString value;
};

std::optional<KeyLine> keyLine(const QString& line)
{
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return std::nullopt;
    const QString key = stripBlanks(line.left(eq));
    if (key.isEmpty() || key.startsWith(u';'))
        return std::nullopt;
    QString value = stripBlanks(line.mid(eq + 1));
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return KeyLine{key, value};
}

// Where a key stands in the lines of a file, or where it would go.
struct Location {
    int sectionLine = -1;  // header line of the first matching section
    int keyLine = -1;      // the first matching key inside it
    int lastContent = -1;  // last non-blank line of that section
};

Location locate(const QStringList& lines, const QString& section, const QString& key)
{
    Location loc;
    bool inside = false;
    for (int i = 0; i < lines.size(); ++i) {
        if (const auto name = sectionName(lines[i])) {
            if (inside)
                break;  // the first matching section is the one Windows uses
            inside = text::SameText(*name, section);
            if (inside) {
                loc.sectionLine = i;
                loc.lastContent = i;
            }
            continue;
        }
        if (!inside)
            continue;
        if (!stripBlanks(lines[i]).isEmpty())
            loc.lastContent = i;
        if (loc.keyLine < 0 && !key.isEmpty()) {
            if (const auto kl = keyLine(lines[i]); kl && text::SameText(kl->key, key))
                loc.keyLine = i;
        }
    }
    return loc;
}

// The program reads its settings some fifty times while it starts. Each file is parsed once and
// kept while it stays as it was read: a read still sees whatever another program wrote since, as
// on Windows. The stamp proves a file unchanged only once its modification time lies well behind
// the moment it was read, since a change in the same tick of the file system's clock keeps the
// time (and maybe the size); until then the bytes are read again and compared.
struct Snapshot {
    FileStamp stamp;
    QByteArray bytes;
    QStringList lines;
    bool settled = false;
};

constexpr qint64 kSettleNs = 3'000'000'000;  // beyond any file system's time granularity
constexpr qsizetype kMaxSnapshots = 16;

QHash<QString, Snapshot>& snapshots()
{
    static QHash<QString, Snapshot> cache;
    return cache;
}

qint64 nowNs()
{
    return QDateTime::currentMSecsSinceEpoch() * 1000000;
}

// The lines of the file as it is now; none when it is missing or no regular file.
QStringList currentLines(const QString& native)
{
    QHash<QString, Snapshot>& cache = snapshots();
    const std::optional<FileStamp> stamp = regularFileStamp(native);
    auto kept = cache.find(native);
    if (!stamp) {
        if (kept != cache.end())
            cache.erase(kept);
        return {};
    }
    if (kept != cache.end() && kept->settled && kept->stamp == *stamp)
        return kept->lines;

    const qint64 readAt = nowNs();
    Snapshot fresh;
    if (!readRegularFile(native, fresh.bytes, &fresh.stamp)) {
        if (kept != cache.end())
            cache.erase(kept);
        return {};
    }
    fresh.settled = readAt - fresh.stamp.modifiedNs > kSettleNs;
    if (kept != cache.end() && kept->bytes == fresh.bytes) {
        fresh.lines = kept->lines;
    } else {
        fresh.lines = text::splitLines(text::decodeWindows1252(fresh.bytes));
        if (kept == cache.end() && cache.size() >= kMaxSnapshots)
            cache.clear();
    }
    cache.insert(native, fresh);
    return fresh.lines;
}

}  // namespace

IniFile::IniFile(const QString& path) : m_path(path) {}

bool IniFile::exists() const { return regularFileStamp(nativePath(m_path)).has_value(); }

static QStringList readLines(const QString& path)
{
    return currentLines(nativePath(path));
}

bool IniFile::sectionExists(const QString& section) const
{
    return locate(readLines(m_path), section, {}).sectionLine >= 0;
}

bool IniFile::valueExists(const QString& section, const QString& key) const
{
    return locate(readLines(m_path), section, key).keyLine >= 0;
}

QString IniFile::readString(const QString& section, const QString& key, const QString& defaultValue) const
{
    const QStringList lines = readLines(m_path);
    const Location loc = locate(lines, section, key);
    if (loc.keyLine < 0)
        return defaultValue;
    return keyLine(lines[loc.keyLine])->value;
}

int IniFile::readInteger(const QString& section, const QString& key, int defaultValue) const
{
    return text::StrToIntDef(readString(section, key, QString()), defaultValue);
}

bool IniFile::readBool(const QString& section, const QString& key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool IniFile::writeString(const QString& section, const QString& key, const QString& value)
{
    const QString native = nativePath(m_path);
    QStringList lines = currentLines(native);
    const Location loc = locate(lines, section, key);
    if (loc.keyLine >= 0) {
        lines[loc.keyLine] = keyLine(lines[loc.keyLine])->key + u'=' + value;
    } else if (loc.sectionLine >= 0) {
        lines.insert(loc.lastContent + 1, key + u'=' + value);
    } else {
        lines << u'[' + section + u']' << key + u'=' + value;
    }
    // The next read takes the file as it is on the disk.
    snapshots().remove(native);
    return text::writeTextLines(native, lines);
}

bool IniFile::writeInteger(const QString& section, const QString& key, int value)
{
    return writeString(section, key, QString::number(value));
}

bool IniFile::writeBool(const QString& section, const QString& key, bool value)
{
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

}  // namespace files
