#pragma once
// A book's descriptors: the thesaurus words found in a text. The text is folded to capitals
// without accents and cut into words; its first word is never looked up.
#include "app/Thesaurus.h"

#include <QString>

namespace catalogue {

// ".WORD" for every thesaurus entry found, in thesaurus order, each once; empty when none.
// The save passes the title, a blank and the summary cut to 3,000 characters.
QString extractDescriptorText(const app::Thesaurus& thesaurus, const QString& sourceText);

}  // namespace catalogue
