#pragma once
// The plain text of a parsed page's body, as the old embedded browser gave it to the readers,
// which split it into lines and look for texts in it:
// - script, style, noscript, template, head and title give no text;
// - a block (div, p, li, tr, headings, …) starts and ends on a line of its own: one CR LF
//   between two blocks, never an empty line made by nesting; <br> always ends a line;
// - cells of a table row are separated by a tab;
// - white space runs become one space, dropped at a line's start and end, except inside pre,
//   whose text stays as written with its line ends as CR LF;
// - entities are decoded (a non-breaking space stays U+00A0);
// - no line break or space at the very start or end.
#include <QString>

struct GumboInternalNode;

namespace browser {

QString innerText(const GumboInternalNode* body);

}  // namespace browser
