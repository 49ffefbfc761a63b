#pragma once
// The issue panel of the entry tab (NumJourno): once a periodical's code is known, the librarian
// types the issue number and confirms it with "OK"; the issue's record and cover come from the
// shared online base when it has them, and the save then stores the issue's copies.
#include "catalogue/BookEntryControls.h"

#include <QString>

namespace app {
class TFrmPrin;
}

namespace catalogue {

class BookEntryScreen;
class IssueSharedBase;

// The issue number as the catalogue stores it: digits and "X" only, five characters, zeros in
// front ("7" gives "00007", "12a" gives "00012", "123456" gives "23456").
QString normalisedIssueNumber(const QString& typed);

class PeriodicalIssues {
public:
    PeriodicalIssues(app::TFrmPrin& frm, const BookEntryScreen& entry);

    // "OK" of the issue panel.
    void Button90Click();
    // The shared base the issue's record and cover are read from; none: the base is not asked.
    void setSharedBase(IssueSharedBase* base) { m_sharedBase = base; }

    void FetchIssueFromSharedBase();
    void FetchIssueCoverFromSharedBase();

private:
    bool sharedBaseOn() const;
    // Fills the entry tab from a record; false when the text is no record of the code asked for.
    bool showRecord(const QString& record);

    app::TFrmPrin& m_frm;
    const BookEntryControls& m_controls;
    IssueSharedBase* m_sharedBase = nullptr;
};

}  // namespace catalogue
