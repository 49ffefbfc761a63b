#pragma once
// How much of a page the parser reads. The parser's work grows with the square of the nesting
// depth and its tree is freed recursively, so a page nesting elements deeper than
// kMaxPageNesting is read only up to the tag that goes deeper: what lies beyond is dropped.
// The depth is an estimate made on the tags as written, never smaller than the depth of the
// tree the parser builds from them (unclosed and misnested tags included).
#include <QByteArray>

namespace browser {

constexpr int kMaxPageNesting = 512;

// The number of leading bytes of a UTF-8 page that stay within kMaxPageNesting.
qsizetype lengthWithinNesting(const QByteArray& utf8);

}  // namespace browser
