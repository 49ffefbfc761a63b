#include "platform/browser/PageCharset.h"

#include <gtest/gtest.h>

using browser::decodePage;

namespace {

struct CharsetCase {
    const char* what;
    QByteArray body;
    QByteArray contentType;
};

const QString kEte = QStringLiteral("été");

TEST(PageCharset, FollowsHeaderThenMarkThenMetaThenWindows1252)
{
    const CharsetCase cases[] = {
        {"header names utf-8", "\xC3\xA9t\xC3\xA9", "text/html; charset=UTF-8"},
        {"quoted header charset", "\xC3\xA9t\xC3\xA9", "text/html; charset=\"utf-8\""},
        {"header wins over meta", "<meta charset=utf-8>\xE9t\xE9", "text/html; charset=iso-8859-1"},
        {"byte-order mark", "\xEF\xBB\xBF\xC3\xA9t\xC3\xA9", "text/html"},
        {"meta charset", "<meta charset=\"utf-8\">\xC3\xA9t\xC3\xA9", "text/html"},
        {"meta http-equiv", "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=utf-8\">\xC3\xA9t\xC3\xA9",
         ""},
        {"nothing said: Windows-1252", "\xE9t\xE9", "text/html"},
        {"unknown name: Windows-1252", "\xE9t\xE9", "text/html; charset=x-unknown"},
    };
    for (const CharsetCase& c : cases)
        EXPECT_TRUE(decodePage(c.body, c.contentType).endsWith(kEte)) << c.what;
}

TEST(PageCharset, Windows1252KeepsTheEuroSign)
{
    EXPECT_EQ(decodePage("12,50 \x80", "text/plain"), QStringLiteral("12,50 €"));
}

TEST(PageCharset, MarkIsNotPartOfTheText)
{
    EXPECT_EQ(decodePage("\xEF\xBB\xBF<p>", ""), QStringLiteral("<p>"));
}

}  // namespace
