// The parse's budget: a page within it gives its tree, a page past its memory or its processor
// time gives none, and the parses after it go on as before (the sanitizer build checks that
// nothing of an abandoned parse stays allocated).
#include "platform/browser/PageParse.h"

#include "tests/support/HostilePages.h"

#include <gumbo.h>

#include <gtest/gtest.h>

using browser::PageParse;
using browser::ParseBudget;
using namespace std::chrono_literals;

namespace {

const QByteArray kPage = "<html><head><title>Livre</title></head><body><p>Le Petit Prince</p></body></html>";

bool hasTitle(const PageParse& parse)
{
    const GumboNode* html = parse.output()->root;
    const auto* head = static_cast<const GumboNode*>(html->v.element.children.data[0]);
    return head->v.element.tag == GUMBO_TAG_HEAD && head->v.element.children.length == 1;
}

}  // namespace

TEST(PageParse, APageWithinItsBudgetGivesItsTree)
{
    const PageParse parse(kPage, ParseBudget::forPage(kPage.size()));
    ASSERT_NE(parse.output(), nullptr);
    EXPECT_TRUE(hasTitle(parse));
}

TEST(PageParse, APagePastItsMemoryOrItsTimeGivesNoTreeAndTheNextParseGoesOn)
{
    const QByteArray page = hostile_pages::tagSoup(7, 256 * 1024);
    const ParseBudget cases[] = {{64 * 1024, 10s}, {1024 * 1024 * 1024, 0ms}};
    for (const ParseBudget& budget : cases) {
        SCOPED_TRACE(budget.bytes);
        EXPECT_EQ(PageParse(page, budget).output(), nullptr);
        const PageParse next(kPage, ParseBudget::forPage(kPage.size()));
        ASSERT_NE(next.output(), nullptr);
        EXPECT_TRUE(hasTitle(next));
    }
}

// A shop's long result list: the budget leaves ordinary pages of the largest size whole.
TEST(PageParse, ALongListOfTheLargestSizeIsParsedWhole)
{
    const QByteArray row = "<tr><td class=\"titre\"><a href=\"/livre/9782070612758\">Le Petit Prince</a></td>"
                           "<td>Gallimard</td><td>12,50 &euro;</td></tr>\n";
    const QByteArray page = hostile_pages::repeatedUpTo("<html><head><title>Livre</title></head><body><table>", row,
                                                        4 * 1024 * 1024);
    const PageParse parse(page, ParseBudget::forPage(page.size()));
    ASSERT_NE(parse.output(), nullptr);
    EXPECT_TRUE(hasTitle(parse));
}
