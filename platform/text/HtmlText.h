#pragma once
// A value as the text of a generated HTML page, in its text and in its attributes alike.
#include <QString>

namespace text {

// "<", ">", "&" and '"' as entities, and characters the page's code page cannot hold as numeric
// references, so that nothing is lost when the page is written in Windows-1252.
QString htmlText(const QString& value);

// A generated page's opening up to its title. It names the code page the page is written in, for
// the programs that do not guess it: a word processor would show "Léa" as "L?a".
QString pageTitleHead(const QString& title);

}  // namespace text
