#pragma once
// The values the "Compléments" tab writes into a copy: the keywords and Dewey class added to its
// descriptors, and the carry-over boxes beside the cover strip (storage place, genre, owner,
// theme), which keep their text from one copy to the next. The tab's save button writes them
// into the current copy; next and previous write them into the copy they leave.
namespace app {
class TFrmPrin;
}

namespace catalogue {

class BookEntryScreen;

class ComplementsTab {
public:
    ComplementsTab(app::TFrmPrin& frm, BookEntryScreen& entry);

    enum class Variant { Next, Previous, Save };

    // The tab's save button.
    void SpeedButton47Click();
    // A copy with a summary but no descriptors gets those the thesaurus finds in the summary,
    // shown in the descriptor box until they are written.
    void ExtractDescriptorsOnLeave();
    // Writes the tab's values into the current copy. Owner and theme are emptied first whenever
    // the direction of travel changes, so they are carried only along one run of moves.
    void ApplyComplementsValues(Variant variant);

private:
    app::TFrmPrin& m_frm;
    BookEntryScreen& m_entry;
};

}  // namespace catalogue
