// What the web views' page script answers becomes as page text, and the title search's address.
#include "web/PageScriptResult.h"
#include "web/TitleSearch.h"

#include <gtest/gtest.h>

namespace {

TEST(PageScriptResult, UndoesThePercentEscapesThenTheQuotesOfTheAnswer)
{
    const struct {
        const char* json;
        QString text;
    } cases[] = {
        // Attribute values lose their quotes, so that the readers' markers match.
        {R"("%3Clink%20rel=%22image_src%22%20href=%22https://x/a.jpg%22%3E")",
         QStringLiteral("<link rel=image_src href=https://x/a.jpg>")},
        // A doubled quote keeps one.
        {R"("say %22%22hi%22%22")", QStringLiteral("say \"hi\"")},
        {R"("%C3%89t%C3%A9")", QStringLiteral("Été")},
        // Not quoted on both ends: as it is.
        {R"("open)", QStringLiteral("\"open")},
        {R"(")", QStringLiteral("\"")},
        {R"("")", QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(web::pageTextOfScriptResult(QString::fromUtf8(c.json)), c.text) << c.json;
}

TEST(TitleSearchAddress, JoinsTheEncodedWordsOfTitleAuthorAndPublisherWithPlus)
{
    EXPECT_EQ(web::TitleSearch::searchAddress(QStringLiteral("Le lion"), QStringLiteral("Jean Dupont"),
                                              QStringLiteral("Nathan")),
              QStringLiteral("https://www.chasse-aux-livres.fr/search?query=Le+lion+Jean+Dupont+Nathan"));
    // Characters that would end the query or the address are sent as data.
    EXPECT_EQ(web::TitleSearch::searchAddress(QStringLiteral("Tintin & Milou #2?"), {}, {}),
              QStringLiteral("https://www.chasse-aux-livres.fr/search?query=Tintin+%26+Milou+%232%3F"));
    EXPECT_EQ(web::TitleSearch::searchAddress(QStringLiteral("L'île"), {}, {}),
              QStringLiteral("https://www.chasse-aux-livres.fr/search?query=L%27%C3%AEle"));
}

}  // namespace
