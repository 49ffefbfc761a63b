#pragma once
// The book screen on its "Essentiel" page, alone: where the imports show their progress and
// where the ISBN list is looked up.
namespace app {
class TFrmPrin;
}
namespace catalogue {
struct BookEntryControls;
}

namespace exchange {

void showBookScreenEssential(app::TFrmPrin& frm, const catalogue::BookEntryControls& book);

}  // namespace exchange
