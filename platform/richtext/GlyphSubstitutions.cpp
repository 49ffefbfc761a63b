#include "platform/richtext/GlyphSubstitutions.h"

namespace richtext {

namespace {

// The lookup types of the table (OpenType GSUB).
enum LookupType : quint16 {
    kSingle = 1,
    kMultiple = 2,
    kAlternate = 3,
    kLigature = 4,
    kContext = 5,
    kChainedContext = 6,
    kExtension = 7,
    kReverseChainedSingle = 8,
};

// Substitutions following one another settle within this many rounds, unless one grows a glyph.
constexpr int kMaxRounds = 64;

// Big-endian numbers at offsets of the table; reading past its end marks the table unreadable.
class TableReader {
public:
    explicit TableReader(const QByteArray& table) : m_table(table) {}

    bool readable() const { return m_readable; }

    quint16 u16(qsizetype at)
    {
        if (at < 0 || at + 2 > m_table.size()) {
            m_readable = false;
            return 0;
        }
        return quint16(uchar(m_table[at]) << 8 | uchar(m_table[at + 1]));
    }
    quint32 u32(qsizetype at) { return quint32(u16(at)) << 16 | u16(at + 2); }

    // The glyphs of the coverage table at `at`, in coverage order.
    QList<quint32> coverage(qsizetype at)
    {
        QList<quint32> glyphs;
        const quint16 format = u16(at);
        const quint16 count = u16(at + 2);
        for (quint16 i = 0; i < count && m_readable; ++i) {
            if (format == 1) {
                glyphs.append(u16(at + 4 + 2 * i));
            } else if (format == 2) {
                const qsizetype range = at + 4 + 6 * i;
                const quint16 first = u16(range), last = u16(range + 2), index = u16(range + 4);
                if (last < first || index != glyphs.size()) {
                    m_readable = false;
                    break;
                }
                for (quint32 glyph = first; glyph <= last; ++glyph)
                    glyphs.append(glyph);
            } else {
                m_readable = false;
            }
        }
        return glyphs;
    }

    // The glyph lists of the offsets at `at` (count first), each list relative to `base`.
    QList<QList<quint32>> glyphLists(qsizetype at, qsizetype base)
    {
        QList<QList<quint32>> lists;
        const quint16 count = u16(at);
        for (quint16 i = 0; i < count && m_readable; ++i) {
            const qsizetype list = base + u16(at + 2 + 2 * i);
            QList<quint32> glyphs;
            for (quint16 k = 0, n = u16(list); k < n && m_readable; ++k)
                glyphs.append(u16(list + 2 + 2 * k));
            lists.append(glyphs);
        }
        return lists;
    }

    void readSubtable(quint16 type, qsizetype at, GlyphSubstitutes& substitutes)
    {
        const quint16 format = u16(at);
        const QList<quint32> covered = type == kContext || type == kChainedContext || type == kExtension
                                           ? QList<quint32>()
                                           : coverage(at + u16(at + 2));
        switch (type) {
        case kSingle:
            if (format == 1) {
                const quint16 delta = u16(at + 4);
                for (quint32 glyph : covered)
                    substitutes.insert(glyph, {quint16(glyph + delta)});
            } else {
                for (qsizetype i = 0; i < covered.size() && i < u16(at + 4); ++i)
                    substitutes.insert(covered[i], {u16(at + 6 + 2 * i)});
            }
            break;
        case kMultiple:
        case kAlternate: {
            const QList<QList<quint32>> lists = glyphLists(at + 4, at);
            for (qsizetype i = 0; i < covered.size() && i < lists.size(); ++i) {
                if (type == kMultiple) {
                    substitutes.insert(covered[i], lists[i]);
                } else {
                    for (quint32 alternate : lists[i])
                        substitutes.insert(covered[i], {alternate});
                }
            }
            break;
        }
        case kLigature:
            for (qsizetype i = 0; i < covered.size() && i < u16(at + 4) && m_readable; ++i) {
                const qsizetype set = at + u16(at + 6 + 2 * i);
                for (quint16 k = 0, n = u16(set); k < n && m_readable; ++k)
                    substitutes.insert(covered[i], {u16(set + u16(set + 2 + 2 * k))});
            }
            break;
        case kContext:
        case kChainedContext:
            // Their substitutions are lookups of their own, read as such.
            break;
        case kExtension: {
            const quint16 extended = u16(at + 2);
            if (extended == kExtension)
                m_readable = false;
            else
                readSubtable(extended, at + u32(at + 4), substitutes);
            break;
        }
        case kReverseChainedSingle: {
            qsizetype field = at + 4;
            field += 2 + 2 * u16(field);  // backtrack coverages
            field += 2 + 2 * u16(field);  // look-ahead coverages
            for (qsizetype i = 0; i < covered.size() && i < u16(field); ++i)
                substitutes.insert(covered[i], {u16(field + 2 + 2 * i)});
            break;
        }
        default: m_readable = false;
        }
    }

private:
    const QByteArray& m_table;
    bool m_readable = true;
};

}  // namespace

std::optional<GlyphSubstitutes> readGlyphSubstitutes(const QByteArray& gsub)
{
    TableReader table(gsub);
    GlyphSubstitutes substitutes;
    if (table.u16(0) != 1)
        return std::nullopt;
    const qsizetype lookups = table.u16(8);
    for (quint16 i = 0, count = table.u16(lookups); i < count && table.readable(); ++i) {
        const qsizetype lookup = lookups + table.u16(lookups + 2 + 2 * i);
        const quint16 type = table.u16(lookup);
        for (quint16 k = 0, subtables = table.u16(lookup + 4); k < subtables && table.readable(); ++k)
            table.readSubtable(type, lookup + table.u16(lookup + 6 + 2 * k), substitutes);
    }
    if (!table.readable())
        return std::nullopt;
    return substitutes;
}

std::optional<QHash<quint32, qreal>> widestSubstitutes(const GlyphSubstitutes& substitutes,
                                                       const QHash<quint32, qreal>& advances)
{
    QHash<quint32, qreal> widest = advances;
    for (int round = 0; round < kMaxRounds; ++round) {
        bool grew = false;
        for (auto it = substitutes.cbegin(); it != substitutes.cend(); ++it) {
            qreal width = 0;
            for (quint32 glyph : it.value())
                width += widest.value(glyph);
            qreal& own = widest[it.key()];
            if (width > own) {
                own = width;
                grew = true;
            }
        }
        if (!grew)
            return widest;
    }
    return std::nullopt;
}

}  // namespace richtext
