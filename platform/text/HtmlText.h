#pragma once
// A value as the text of a generated HTML page, in its text and in its attributes alike.
#include <QString>

namespace text {

// "<", ">", "&" and '"' as entities, and characters the page's code page cannot hold as numeric
// references, so that nothing is lost when the page is written in Windows-1252.
QString htmlText(const QString& value);

}  // namespace text
