#pragma once
// What the web views hand over of their page: the script that asks for the whole document and
// the reading of its JSON answer.
#include <QString>

namespace web {

// Asks the page for its whole document, percent-encoded so that it travels as one string.
inline const QString kOuterHtmlScript = QStringLiteral("encodeURI(document.documentElement.outerHTML)");

// The page text of a script answer: percent escapes undone, then the surrounding quotes taken
// off; inside, a doubled quote becomes one and a single one is dropped (so attribute values lose
// their quotes, as the readers' markers expect). A text not quoted on both ends stays as it is.
QString pageTextOfScriptResult(const QString& json);

}  // namespace web
