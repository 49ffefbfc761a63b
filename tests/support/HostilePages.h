#pragma once
// Web pages that make an HTML parser's work or tree grow far faster than the page, as hostile or
// broken sites send them, each repeated up to a given size.
#include <QByteArray>
#include <QRandomGenerator>

namespace hostile_pages {

inline QByteArray repeatedUpTo(const QByteArray& start, const QByteArray& unit, qsizetype bytes)
{
    return start + unit.repeated((bytes - start.size()) / unit.size());
}

// An end tag the parser ignores while the special element opened inside stays open: each unit
// nests two levels deeper. `element` is one of mi, mo, mtext, desc, foreignobject,
// annotation-xml.
inline QByteArray endTagsIgnored(const QByteArray& element, qsizetype bytes)
{
    return repeatedUpTo("<html><body>", '<' + element + "><address></" + element + '>', bytes);
}

// 500 distinct formatting elements left open in a division, reopened by every text of the next
// division: the parser's tree grows by 500 elements a unit, at a depth that stays bounded.
inline QByteArray formattingReopened(qsizetype bytes)
{
    QByteArray start = "<html><body><div>";
    for (int i = 0; i < 500; ++i)
        start += "<b a=" + QByteArray::number(i) + '>';
    return repeatedUpTo(start, "</div><div>x", bytes);
}

// Tags, end tags, attributes and text drawn at random from a mix of the kinds that weigh on a
// parser (tables, lists, formatting, foreign content, forms), the same for a same seed.
inline QByteArray tagSoup(quint32 seed, qsizetype bytes)
{
    static const char* const kNames[] = {"div", "b", "i", "a", "p", "span", "table", "tr", "td", "li", "ul",
                                         "form", "svg", "math", "mi", "desc", "address", "select", "option",
                                         "font", "nobr", "h1", "template", "object", "em", "x-y"};
    QRandomGenerator random(seed);
    QByteArray page = "<html><body>";
    while (page.size() < bytes - 64) {
        const QByteArray name = kNames[random.bounded(int(std::size(kNames)))];
        switch (random.bounded(4)) {
        case 0:
            page += "</" + name + '>';
            break;
        case 1:
            page += "x ";
            break;
        default:
            page += '<' + name;
            if (random.bounded(3) == 0)
                page += " a=" + QByteArray::number(random.bounded(8));
            page += '>';
        }
    }
    return page;
}

}  // namespace hostile_pages
