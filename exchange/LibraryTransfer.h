#pragma once
// The tools menu's library export and import: the whole Table1 out to "Bibliotheque.csv" and
// "export_bib.csv", and a file in the library layout in again as new copies, renumbered.
#include "exchange/ImportControls.h"
#include "exchange/LibraryImport.h"

#include <optional>

namespace app {
class TFrmPrin;
}

namespace exchange {

class LibraryTransfer {
public:
    // `controls` are the import panel's, on the book screen `book`.
    LibraryTransfer(app::TFrmPrin& frm, const catalogue::BookEntryControls& book, const ImportControls& controls);

    void Exporter1Click();
    void Importerlabibliothque1Click();

private:
    // The data lines of the file chosen; nothing when none was chosen or its header is not the layout's.
    std::optional<QStringList> chosenLibraryLines();
    ImportReport importLines(const QStringList& lines);
    void showSavedMessage(const QString& fileName);

    app::TFrmPrin& m_frm;
    const catalogue::BookEntryControls& m_book;
    ui::Memo& m_importedLine;
};

}  // namespace exchange
