#pragma once
// The controls the imports add to the book screen's "Essentiel" page: the memo showing the
// line being imported, and the floating panel of the other program's import with its two code
// choices, its start button and its gauge.
namespace app {
class TFrmPrin;
}

namespace exchange {

void buildImportControls(app::TFrmPrin& frm);

}  // namespace exchange
