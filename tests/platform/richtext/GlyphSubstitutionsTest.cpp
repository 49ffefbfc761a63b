#include "platform/richtext/GlyphSubstitutions.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <map>

namespace richtext {
namespace {

QByteArray words(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int value : values)
        bytes.append(char(quint16(value) >> 8)).append(char(quint16(value) & 0xFF));
    return bytes;
}

// A coverage of listed glyphs; and one of a range of glyphs.
QByteArray listed(std::initializer_list<int> glyphs)
{
    QByteArray coverage = words({1, int(glyphs.size())});
    for (int glyph : glyphs)
        coverage += words({glyph});
    return coverage;
}
QByteArray range(int first, int last) { return words({2, 1, first, last, 0}); }

// The subtables of each lookup kind, their coverage last.
QByteArray shifted(const QByteArray& coverage, int delta) { return words({1, 6, delta}) + coverage; }
QByteArray replaced(int glyph, int by) { return words({2, 8, 1, by}) + listed({glyph}); }
QByteArray ligature(int first, int second, int ligatureGlyph)
{
    return words({1, 18, 1, 8, 1, 4, ligatureGlyph, 2, second}) + listed({first});
}
QByteArray sequence(int glyph, std::initializer_list<int> glyphs)
{
    QByteArray sub = words({1, 0, 1, 8, int(glyphs.size())});
    for (int g : glyphs)
        sub += words({g});
    sub.replace(2, 2, words({int(sub.size())}));
    return sub + listed({glyph});
}
QByteArray alternates(int glyph, int first, int second)
{
    return words({1, 14, 1, 8, 2, first, second}) + listed({glyph});
}
QByteArray extended(int type, const QByteArray& subtable) { return words({1, type, 0, 8}) + subtable; }

// A table of lookups of one subtable each: {type, subtable}.
QByteArray table(std::initializer_list<std::pair<int, QByteArray>> lookups)
{
    QByteArray list = words({int(lookups.size())});
    QByteArray bodies;
    const int listLength = 2 + 2 * int(lookups.size());
    for (const auto& [type, subtable] : lookups) {
        list += words({listLength + int(bodies.size())});
        bodies += words({type, 0, 1, 8}) + subtable;
    }
    return words({1, 0, 0, 0, 10}) + list + bodies;
}

TEST(GlyphSubstitutionsTest, EachGlyphMayBecomeTheWidestOfWhatItsSubstitutionsPutInItsPlace)
{
    // Advances: glyph 5 is 100 wide, 6 is 250, 7 is 400, 8 is 50, 9 is 180, 15 to 17 are 300.
    const QHash<quint32, qreal> advances{{5, 100}, {6, 250},  {7, 400},  {8, 50},
                                         {9, 180}, {15, 300}, {16, 300}, {17, 300}};
    const struct {
        const char* name;
        QByteArray gsub;
        std::map<quint32, qreal> widest;
    } cases[] = {
        {"none", table({}), {{5, 100}, {6, 250}}},
        {"one glyph for another, by a shift", table({{1, shifted(listed({5}), 1)}}), {{5, 250}, {6, 250}}},
        {"a range shifted", table({{1, shifted(range(5, 7), 10)}}), {{5, 300}, {7, 400}}},
        {"substitutions in turn", table({{1, replaced(5, 6)}, {1, replaced(6, 7)}}), {{5, 400}, {6, 400}}},
        {"a narrower glyph", table({{1, replaced(7, 8)}}), {{7, 400}, {8, 50}}},
        {"a ligature, for its first glyph", table({{4, ligature(5, 8, 9)}}), {{5, 180}, {8, 50}}},
        {"a sequence", table({{2, sequence(5, {6, 7})}}), {{5, 650}}},
        {"alternates", table({{3, alternates(8, 6, 7)}}), {{8, 400}}},
        {"through an extension", table({{7, extended(1, replaced(5, 7))}}), {{5, 400}}},
        {"chained: its lookups alone count",
         table({{6, words({3, 0, 0, 0, 0})}, {1, replaced(8, 9)}}),
         {{8, 180}, {5, 100}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<GlyphSubstitutes> substitutes = readGlyphSubstitutes(c.gsub);
        ASSERT_TRUE(substitutes.has_value());
        const std::optional<QHash<quint32, qreal>> widest = widestSubstitutes(*substitutes, advances);
        ASSERT_TRUE(widest.has_value());
        for (const auto& [glyph, width] : c.widest)
            EXPECT_EQ(widest->value(glyph), width) << glyph;
    }
}

TEST(GlyphSubstitutionsTest, TablesThatCannotBeToldGiveNone)
{
    const QByteArray single = table({{1, replaced(5, 6)}});
    for (const auto& [name, gsub] : std::initializer_list<std::pair<const char*, QByteArray>>{
             {"cut short", single.left(single.size() - 3)},
             {"of another version", words({2}) + single.mid(2)},
             {"of an unknown lookup type", table({{9, replaced(5, 6)}})},
             {"an extension of an extension", table({{7, extended(7, replaced(5, 6))}})},
             {"a coverage of an unknown format", table({{1, words({1, 6, 1, 3, 1, 5})}})},
         }) {
        EXPECT_FALSE(readGlyphSubstitutes(gsub).has_value()) << name;
    }
    // A glyph that becomes itself and another grows without end.
    const std::optional<GlyphSubstitutes> growing = readGlyphSubstitutes(table({{2, sequence(5, {5, 6})}}));
    ASSERT_TRUE(growing.has_value());
    EXPECT_FALSE(widestSubstitutes(*growing, {{5, 100}, {6, 250}}).has_value());
}

}  // namespace
}  // namespace richtext
