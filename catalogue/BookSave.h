#pragma once
// The save of the book shown on the entry tab: one row per copy in Table1, the copy-group marks,
// the internal codes of books without a code, one journal line, then the tab made ready for the
// next book. All the rows of one save are written together or not at all.
#include <QString>

namespace app {
class TFrmPrin;
}

namespace catalogue {

class BookEntryScreen;

class BookSave {
public:
    BookSave(app::TFrmPrin& frm, BookEntryScreen& screen);

    void SpeedButton20Click();

    // The summary and the descriptors of the book being saved.
    QString SummaryText;
    QString DescriptorText;
    // The descriptors and the type a shared-base or image-bank record gave for the book being
    // entered. The Compléments tab's fields show the current row of the books table, so they
    // cannot hold them; the save writes them in place of the extracted descriptors and "LIVRE".
    QString RecordDescriptors;
    QString RecordType;
    void clearRecordValues();

private:
    struct Press;
    bool prepare(Press& press);
    void cleanFields(bool firstCopy);
    void cleanSummary();
    QString coverName(Press& press);
    void insertCopy(Press& press, int copyNumber);
    void AssignInternalCode(Press& press);
    void ExtractDescriptors();
    void writeJournal(const QString& code);
    void resetTab();
    void CoverStripRefreshAfterSave();
    void finalReset();
    void backToLoanScreen();

    app::TFrmPrin& m_frm;
    BookEntryScreen& m_screen;
};

}  // namespace catalogue
