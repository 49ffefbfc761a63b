#pragma once
// The automatic summaries: every book from a start number on gets descriptors from its summary
// when it has a summary but none; a book with a 13-character code and no summary gets the summary
// of its Decitre page ("Decitre " in front), then its descriptors. Descriptors typed by hand stay
// when the summary gives none. Each book is written by its book number.
#include <QString>

namespace app {
class TFrmPrin;
}
namespace catalogue {
struct BookEntryControls;
}
namespace web {
class PageFetch;
}

namespace sharedbase {

class BatchPanel;

class AutomaticSummaries {
public:
    AutomaticSummaries(app::TFrmPrin& frm, const catalogue::BookEntryControls& book, BatchPanel& panel,
                       web::PageFetch& pages);

    // The tools menu's "Recherche automatique Résumés": the batch panel.
    void RechercheautomatiqueRsums1Click();
    // "Commencer la recherche résumé".
    void SpeedButton51Click();
    // The summary of the Decitre page of the code in Edit1, "Decitre " in front; empty when the
    // page has none.
    QString FetchDecitreSummary();

private:
    void countFailedPage();

    app::TFrmPrin& m_frm;
    const catalogue::BookEntryControls& m_book;
    BatchPanel& m_panel;
    web::PageFetch& m_pages;
};

// The descriptor text cut to what the field holds, at the end of its last whole word.
QString fittedDescriptors(const QString& descriptors, int fieldSize);

}  // namespace sharedbase
