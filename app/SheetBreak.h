#pragma once
// The end of a printed sheet in the generated pages (catalogues, label page, borrower cards,
// search answers), written after a sheet's last row, before the next sheet's head.
#include <QString>

namespace app {

// The pages' own break, a <BR> that asks for a new page after it, followed by what the web
// engine needs: it breaks only between blocks, so every table after the first sheet's end that
// holds rows begins a sheet. A table left without rows by a break after the last one begins
// none, so that no blank sheet ends the print.
QString sheetBreak();

}  // namespace app
