#pragma once
// One outside source of book data (a bookshop's pages, the shared base, the local image bank),
// asked by the look-up chain in its fixed order while no source has found the book yet.
#include <QString>

namespace app {
class TFrmPrin;
struct Settings;
}

namespace web {

class BookSource {
public:
    virtual ~BookSource() = default;

    // Whether the source's switch is on.
    virtual bool enabled(const app::Settings& settings) const = 0;
    // The label that the cover-name field shows while the source is asked; shown before the
    // source is asked, or after it when labelAfter() holds.
    virtual QString label() const = 0;
    virtual bool labelAfter() const { return false; }
    // Reads the code from the entry tab (Edit10, Edit2), fills its fields and sets the main
    // window's LookupFound when it found the book, CoverFound when it showed a cover.
    virtual void ask(app::TFrmPrin& frm) = 0;
};

}  // namespace web
