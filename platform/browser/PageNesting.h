#pragma once
// How much of a page the parser reads. Gumbo's work grows with the square of its depth, so a
// page nesting elements deeper than kMaxPageNesting is read only up to the tag that goes deeper
// and what lies beyond is dropped: deep pages, broken ones included, cost little and still give
// their first part. The depth is estimated on the tags as written, after the parser's rules for
// its open elements. Misnested tags can lead the estimate astray, and the tree can be deeper
// than the parser's open elements (an element closed early still holds what was opened in it);
// the parse's own budget (PageParse.h) bounds whatever the estimate misses.
#include <QByteArray>

namespace browser {

constexpr int kMaxPageNesting = 512;

// The number of leading bytes of a UTF-8 page that stay within kMaxPageNesting.
qsizetype lengthWithinNesting(const QByteArray& utf8);

}  // namespace browser
