#pragma once
// The content of a rich-edit control as a document and back: the control keeps its paragraph
// ends as characters (CR LF, a lone CR or a lone LF, each one end), the document as paragraphs.
#include "platform/richtext/Document.h"
#include "platform/ui/Font.h"
#include "platform/ui/RichEdit.h"

#include <vector>

namespace richtext {

CharFormat charFormatOf(const ui::Font& font);
ui::Font fontOf(const CharFormat& format);

Document documentOf(const std::vector<ui::TextRun>& runs);
// Paragraph ends become CR LF.
std::vector<ui::TextRun> runsOf(const Document& document);

}  // namespace richtext
