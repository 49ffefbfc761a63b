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
struct ReturnControls;

class ReturnSearch {
public:
    ReturnSearch(app::TFrmPrin& frm, ReturnScreen& screen, ReturnCandidates& candidates);

    void Button46Click();
    // The result fields shown and the borrower number asked for.
    void ShowReturnFields();
    // The search by the copy-number field.
    void FindCopyByNumber();

private:
    // The scanned texts read as the keyboard meant them, a copy label moved to its own field.
    void normaliseSearchFields();
    // A borrower number alone: that pupil's loans listed.
    void listBorrowerLoans();
    // The pictures of an earlier search taken away and the code read as an ISBN-13.
    void startCodeSearch();
    void findHeldCopies();
    void fillBookFields(db::DataSet& row);
    // After a message: the code field emptied and focused, the issue field emptied and hidden.
    void backToCode();
    void matchBorrower(db::DataSet& rows);
    // The borrower holds no copy of the title: the message, and the book fields hidden.
    void noCopyHeld(db::DataSet& rows);
    // The found copy and its holder on screen, ready for "Rangement".
    void showHeldCopy();
    // The holder is unknown: the message, and the fields emptied.
    void unknownHolder();
    // The copy is not out (`exists`) or there is no such copy: the message, and the fields emptied.
    void copyNotOut(bool exists);

    app::TFrmPrin& m_frm;
    ReturnScreen& m_screen;
    const ReturnControls& m_controls;
    ReturnCandidates& m_candidates;
};

}  // namespace loans
