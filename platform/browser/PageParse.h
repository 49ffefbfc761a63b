#pragma once
// Gumbo's parse of a page, bounded whatever the page: gumbo's memory stays within a budget tied
// to the page's size and its processor time within another, and a page past either is abandoned
// (no tree). Some pages make gumbo's work or tree grow far faster than the page (elements it
// reopens at every text, end tags it ignores while their elements stay open), and no reading
// of the tags ahead of gumbo foresees them all.
#include <QByteArray>
#include <chrono>
#include <memory>

struct GumboInternalOutput;

namespace browser {

struct ParseBudget {
    qint64 bytes = 0;
    std::chrono::milliseconds processorTime{0};

    // The budget of a page of that many bytes: well above what real pages take (gumbo's tree
    // weighs 10 to 30 times the page, at some 5 MB/s).
    static ParseBudget forPage(qint64 pageBytes);
};

class PageParse {
public:
    PageParse(QByteArray utf8, ParseBudget budget);
    ~PageParse();
    PageParse(const PageParse&) = delete;
    PageParse& operator=(const PageParse&) = delete;

    // Null when the page passed the budget.
    const GumboInternalOutput* output() const { return m_output; }

private:
    class Memory;

    // Gumbo's tree points into the text it parsed.
    QByteArray m_utf8;
    std::unique_ptr<Memory> m_memory;
    GumboInternalOutput* m_output = nullptr;
};

}  // namespace browser
