#include "platform/db/JetCollation.h"

#include "platform/db/Error.h"

#include <QString>
#include <QVarLengthArray>
#include <cstring>
#include <memory>
#include <sqlite3.h>
#include <vector>

namespace db::jet {

namespace {

// Per UTF-16 unit: its case folding, and its base letter (accents stripped, then folded).
struct Folding {
    char16_t fold[0x10000];
    char16_t base[0x10000];

    Folding()
    {
        for (char32_t c = 0; c < 0x10000; ++c) {
            fold[c] = char16_t(QChar::toCaseFolded(c));
            char32_t b = c;
            while (QChar::decompositionTag(b) == QChar::Canonical)
                b = QChar::decomposition(b).at(0).unicode();
            base[c] = char16_t(QChar::toCaseFolded(b));
        }
    }
};

const Folding& folding()
{
    static const std::unique_ptr<Folding> tables = std::make_unique<Folding>();
    return *tables;
}

int compareBy(const char16_t* table, QStringView a, QStringView b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = table[a[i].unicode()];
        const char16_t y = table[b[i].unicode()];
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// A LIKE pattern read once per statement: folded characters and the two wildcards.
struct Pattern {
    enum Kind : char { Literal, One, Any };
    std::vector<char16_t> chars;
    std::vector<Kind> kinds;

    Pattern(QStringView text, QChar escape)
    {
        const auto& f = folding();
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            if (!escape.isNull() && c == escape && i + 1 < text.size()) {
                add(Literal, f.fold[text[++i].unicode()]);
            } else if (c == u'%') {
                add(Any, 0);
            } else if (c == u'_') {
                add(One, 0);
            } else {
                add(Literal, f.fold[c.unicode()]);
            }
        }
    }

    void add(Kind kind, char16_t c)
    {
        kinds.push_back(kind);
        chars.push_back(c);
    }

    bool matches(QStringView value) const
    {
        const auto& f = folding();
        const size_t m = kinds.size();
        size_t p = 0;
        qsizetype v = 0;
        size_t starP = SIZE_MAX;
        qsizetype starV = 0;
        while (v < value.size()) {
            if (p < m && (kinds[p] == One || (kinds[p] == Literal && chars[p] == f.fold[value[v].unicode()]))) {
                ++p;
                ++v;
            } else if (p < m && kinds[p] == Any) {
                starP = p++;
                starV = v;
            } else if (starP != SIZE_MAX) {
                p = starP + 1;
                v = ++starV;
            } else {
                return false;
            }
        }
        while (p < m && kinds[p] == Any)
            ++p;
        return p == m;
    }
};

// UTF-16 units of stored UTF-8 text, on the stack for all but long texts: SQLite keeps text
// in UTF-8 and would otherwise convert (and allocate) for every comparison.
using Units = QVarLengthArray<char16_t, 256>;

void decodeUtf8(const unsigned char* p, int size, Units& out)
{
    // Never more units than bytes: a four-byte sequence gives two.
    out.resize(size);
    char16_t* unit = out.data();
    const unsigned char* end = p + size;
    while (p < end) {
        char32_t c = *p++;
        int more = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        if (more > 0) {
            c &= 0x3F >> more;
            for (; more > 0 && p < end && (*p & 0xC0) == 0x80; --more)
                c = (c << 6) | (*p++ & 0x3F);
        }
        if (c >= 0x10000) {
            *unit++ = QChar::highSurrogate(c);
            *unit++ = QChar::lowSurrogate(c);
        } else {
            *unit++ = char16_t(c);
        }
    }
    out.resize(unit - out.data());
}

QStringView view(const Units& units) { return QStringView(units.constData(), units.size()); }

QStringView textArgument(sqlite3_value* value, Units& units)
{
    decodeUtf8(sqlite3_value_text(value), sqlite3_value_bytes(value), units);
    return view(units);
}

// Most texts compared are the same or differ within plain ASCII (types, codes, names): those
// are decided on the bytes, where a unit's base letter is its folding. The rest is decoded from
// the first byte that is not ASCII, the equal prefix changing neither comparison.
int collate(void*, int lengthA, const void* a, int lengthB, const void* b)
{
    if (lengthA == lengthB && (lengthA == 0 || std::memcmp(a, b, size_t(lengthA)) == 0))
        return 0;
    const auto* bytesA = static_cast<const unsigned char*>(a);
    const auto* bytesB = static_cast<const unsigned char*>(b);
    const int n = std::min(lengthA, lengthB);
    const auto& fold = folding().fold;
    int i = 0;
    for (; i < n && bytesA[i] < 0x80 && bytesB[i] < 0x80; ++i) {
        const char16_t x = fold[bytesA[i]];
        const char16_t y = fold[bytesB[i]];
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (i == n)
        return lengthA == lengthB ? 0 : (lengthA < lengthB ? -1 : 1);
    Units unitsA;
    Units unitsB;
    decodeUtf8(bytesA + i, lengthA - i, unitsA);
    decodeUtf8(bytesB + i, lengthB - i, unitsB);
    return compare(view(unitsA), view(unitsB));
}

void likeFunction(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    for (int i = 0; i < argc; ++i) {
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return;  // no value: no match
    }
    Units value;
    if (const auto* cached = static_cast<const Pattern*>(sqlite3_get_auxdata(context, 0))) {
        sqlite3_result_int(context, cached->matches(textArgument(argv[1], value)) ? 1 : 0);
        return;
    }
    QChar escape;
    if (argc == 3) {
        Units escapeUnits;
        const QStringView e = textArgument(argv[2], escapeUnits);
        if (e.size() != 1) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = e[0];
    }
    Units patternUnits;
    auto pattern = std::make_unique<Pattern>(textArgument(argv[0], patternUnits), escape);
    sqlite3_result_int(context, pattern->matches(textArgument(argv[1], value)) ? 1 : 0);
    // Kept for the next rows of the statement, as long as SQLite sees fit.
    sqlite3_set_auxdata(context, 0, pattern.release(), [](void* p) { delete static_cast<Pattern*>(p); });
}

void check(sqlite3* handle, int rc)
{
    if (rc != SQLITE_OK)
        throw Error(Error::Kind::Engine, QString::fromUtf8(sqlite3_errmsg(handle)));
}

}  // namespace

int compare(QStringView a, QStringView b)
{
    const auto& f = folding();
    const int primary = compareBy(f.base, a, b);
    return primary != 0 ? primary : compareBy(f.fold, a, b);
}

bool like(QStringView pattern, QStringView value, QChar escape)
{
    return Pattern(pattern, escape).matches(value);
}

void registerOn(sqlite3* handle)
{
    folding();
    check(handle, sqlite3_create_collation_v2(handle, "JET", SQLITE_UTF8, nullptr, collate, nullptr));
    for (int argc : {2, 3}) {
        check(handle, sqlite3_create_function_v2(handle, "like", argc, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                                 likeFunction, nullptr, nullptr, nullptr));
    }
}

}  // namespace db::jet
