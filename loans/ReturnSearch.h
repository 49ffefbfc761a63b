#pragma once
// "Chercher" on the return screen: a borrower number alone lists that pupil's loans; a copy
// number finds that copy and its borrower; a code finds the copies of the title that are out and,
// with a borrower number, the one that pupil holds. Nothing here writes to the database.
namespace app {
class TFrmPrin;
}
namespace db {
class DataSet;
}

namespace loans {

class ReturnCandidates;
class ReturnScreen;

class ReturnSearch {
public:
    ReturnSearch(app::TFrmPrin& frm, ReturnScreen& screen, ReturnCandidates& candidates);

    void Button46Click();
    // The result fields shown and the borrower number asked for.
    void ShowReturnFields();
    // The search by the copy-number field.
    void FindCopyByNumber();

private:
    void fillBookFields(db::DataSet& row);
    // After a message: the code field emptied and focused, the issue field emptied and hidden.
    void backToCode();
    void matchBorrower(db::DataSet& rows);

    app::TFrmPrin& m_frm;
    ReturnScreen& m_screen;
    ReturnCandidates& m_candidates;
};

}  // namespace loans
