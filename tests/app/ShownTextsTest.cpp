// Every message and dialog entry that the program shows has a text in the delivered French file,
// so that no librarian ever gets an empty box.
#include "app/LanguageFile.h"

#include "platform/text/TextLines.h"
#include "platform/text/Windows1252.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <set>

namespace {

enum class TextTable { Message, Dialog };

struct ShownEntry {
    TextTable table;
    int entry;
    bool operator<(const ShownEntry& o) const { return std::tie(table, entry) < std::tie(o.table, o.entry); }
};

using Uses = std::map<ShownEntry, std::set<QString>>;

QString readSource(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The argument of the call whose "(" is at `open`, up to its matching ")".
QString callArgument(const QString& source, qsizetype open)
{
    int depth = 0;
    for (qsizetype i = open; i < source.size(); ++i) {
        if (source[i] == u'(')
            ++depth;
        else if (source[i] == u')' && --depth == 0)
            return source.mid(open + 1, i - open - 1);
    }
    return QString();
}

// The entries an argument names: a number, or the two numbers a condition chooses from.
QList<int> literalEntries(const QString& argument)
{
    static const QRegularExpression single(QStringLiteral(R"(^\s*(\d+)\s*$)"));
    static const QRegularExpression choice(QStringLiteral(R"(\?\s*(\d+)\s*:\s*(\d+)\s*$)"));
    if (const auto m = single.match(argument); m.hasMatch())
        return {m.captured(1).toInt()};
    if (const auto m = choice.match(argument); m.hasMatch())
        return {m.captured(1).toInt(), m.captured(2).toInt()};
    return {};
}

Uses scanProgramSources()
{
    static const QRegularExpression accessor(
        QStringLiteral(R"(\b(?:tables\.(message|dialog)|(ShowMessageEntry))\s*\()"));
    Uses uses;
    for (const char* folder : {"app", "catalogue", "exchange", "loans", "pupils", "web", "program"}) {
        QDirIterator it(QStringLiteral(QVL_SOURCE_DIR "/") + QLatin1String(folder),
                        {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString source = readSource(path);
            for (auto calls = accessor.globalMatch(source); calls.hasNext();) {
                const auto call = calls.next();
                const TextTable table =
                    call.captured(1) == QLatin1String("dialog") ? TextTable::Dialog : TextTable::Message;
                for (int entry : literalEntries(callArgument(source, call.capturedEnd() - 1)))
                    uses[{table, entry}].insert(path.mid(qsizetype(sizeof(QVL_SOURCE_DIR))));
            }
        }
    }
    return uses;
}

// Message entries that reach the accessors through a variable, where the scan cannot see them.
const int kMessagesPassedOn[] = {
    10,  11,                                // the return screen's "nothing to return"
    24,  196, 219,                          // the catalogue searches' endings
    102, 103, 104, 105, 106, 107,           // the library transfer's notes
    148, 154,                               // the backup folders' titles
    162, 163, 164, 165, 166,                // the stock-take's deletion candidates
    188, 189, 190, 191, 192,
};

app::LanguageTables deliveredFrenchTables()
{
    QFile f(QStringLiteral(QVL_SOURCE_DIR "/data/Languages/francais.txt"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return app::parseLanguageLines(text::splitLines(text::decodeWindows1252(f.readAll())));
}

QString tableText(const app::LanguageTables& tables, const ShownEntry& shown)
{
    return shown.table == TextTable::Dialog ? tables.dialog(shown.entry) : tables.message(shown.entry);
}

}  // namespace

TEST(ShownTexts, EveryShownMessageAndDialogEntryHasItsFrenchText)
{
    Uses uses = scanProgramSources();
    // A scan that finds nothing would pass whatever the file holds.
    ASSERT_TRUE(uses.count({TextTable::Message, 199}) && uses.count({TextTable::Dialog, 25}));
    for (int entry : kMessagesPassedOn)
        uses[{TextTable::Message, entry}].insert(QStringLiteral("(passed on)"));

    const app::LanguageTables tables = deliveredFrenchTables();
    for (const auto& [shown, files] : uses) {
        EXPECT_FALSE(tableText(tables, shown).trimmed().isEmpty())
            << (shown.table == TextTable::Dialog ? "dialog" : "message") << "-table entry " << shown.entry
            << " is empty; shown by " << QStringList(files.begin(), files.end()).join(u' ').toStdString();
    }
}
