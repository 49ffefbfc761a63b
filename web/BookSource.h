#pragma once
// One outside source of book data (a bookshop's pages, the shared base, the local image bank),
// asked by the look-up chain in its fixed order while no source has found the book yet. A source
// reads and returns what it found; the chain alone shows it on the entry tab.
#include "web/BookRecord.h"

#include <functional>

namespace app {
struct Settings;
}

namespace web {

// What the chain tells a source of the book on the entry tab when it asks.
struct LookupQuery {
    QString code;        // Edit10
    QString isbn10;      // Edit2
    QString title;       // Edit4 as it stands
    QString amazonSite;  // "fr", "de" or "com"
    // A cover was already stored during this look-up.
    bool coverFound = false;
    // Shows the step under way on the search panel.
    std::function<void(const QString&)> showStep;
    // Marks the search panel while a bank's record is read, and unmarks it.
    std::function<void(bool)> showBankReading;

    void step(const QString& text) const
    {
        if (showStep)
            showStep(text);
    }
    void bankReading(bool reading) const
    {
        if (showBankReading)
            showBankReading(reading);
    }
};

class BookSource {
public:
    virtual ~BookSource() = default;

    // Whether the source's switch is on.
    virtual bool enabled(const app::Settings& settings) const = 0;
    // What the cover-name field shows while the source is asked and once it was asked; unset
    // leaves the field as it is.
    virtual std::optional<QString> labelBefore() const { return std::nullopt; }
    virtual std::optional<QString> labelAfter() const { return std::nullopt; }
    // Reads what the source knows of the book; throws net::Error when it cannot be asked.
    virtual BookRecord ask(const LookupQuery& query) = 0;
    // Stores the cover of the record just shown (its `picture`) in the covers folder and says so
    // in coverFile.
    virtual void fetchCover(const LookupQuery& query, BookRecord& record) = 0;
};

}  // namespace web
