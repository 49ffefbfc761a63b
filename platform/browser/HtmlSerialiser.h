#pragma once
// The HTML of an element's children, written back by the HTML5 fragment serialisation:
// lower-case tag names, attributes in double quotes, void elements without an end tag,
// "&amp;", "&lt;", "&gt;" and "&nbsp;" in text (raw inside script, style and their kind).
#include <QString>

struct GumboInternalNode;

namespace browser {

QString innerHtml(const GumboInternalNode* element);

}  // namespace browser
