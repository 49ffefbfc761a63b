#include "QtPrinters.h"

#include "catalogue/DescriptorExtraction.h"

#include <gtest/gtest.h>

using catalogue::extractDescriptorText;

namespace {

app::Thesaurus thesaurusOf(const QStringList& entries)
{
    app::Thesaurus t;
    t.lines = entries;
    t.entries = entries;
    return t;
}

const app::Thesaurus kThesaurus = thesaurusOf({"ABCDEFGHIJKLMNOPQRST", "CHAT", "ECOLE", "FORET", "LOUP", "MER",
                                               "MER DU NORD", "PRINCE", "ZZZZZ"});

}  // namespace

TEST(DescriptorExtraction, ThesaurusWordsOfTitleAndSummary)
{
    struct Case { QString text, descriptors; };
    const Case cases[] = {
        {"Le loup et le chat", ".CHAT.LOUP"},  // thesaurus order, not the text's
        {"Histoire du prince, du chat et du loup", ".CHAT.LOUP.PRINCE"},
        {"Loup y es-tu ?", ""},                     // the first word is never looked up
        {"Le loup, le loup et encore le loup", ".LOUP"},  // once, however often
        {"Retour à l'école", ".ECOLE"},             // an elided article goes, the word stays
        {"Dans la forêt", ".FORET"},                // lower-case accents fold
        {"Dans la FORÊT", ""},                      // capital accents split the word
        {"Tome 2 loup2", ".LOUP"},                  // digits are blanks
        {"Les loups", ""},                          // no plural is undone
        {"Vue sur la mer du Nord", ".MER"},         // an entry with a blank is never found
        {"Le mot abcdefghijklmnopqrst", ".ABCDEFGHIJKLMNOPQRST"},  // 20 characters, all listed
        {"Le mot abcdefghijklmnopqrstu", ""},
        {"Le mot zzzzz", ""},                       // the end marker is no descriptor
        {"", ""},
        {"Loup", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(extractDescriptorText(kThesaurus, c.text), c.descriptors) << c.text.toStdString();
}

TEST(DescriptorExtraction, OnlyThePublishersPresentationHeadingCutsTheText)
{
    // What stands before the heading is left out, and the heading's few following characters.
    EXPECT_EQ(extractDescriptorText(kThesaurus, "Titre avec chat. Présentation éditeur : un livre sur le loup"),
              ".LOUP");
    // "éditeur" elsewhere cuts nothing.
    EXPECT_EQ(extractDescriptorText(kThesaurus, "Le loup et le chat Un classique de l'éditeur"), ".CHAT.LOUP");
}

TEST(DescriptorExtraction, ALookUpStopsAtTheFirstGreaterEntryOrTheLastOne)
{
    // Without an end marker the walk ends with the table.
    const app::Thesaurus noMarker = thesaurusOf({"CHAT", "LOUP"});
    EXPECT_EQ(extractDescriptorText(noMarker, "Un loup et un zèbre"), ".LOUP");
    // Entries are expected sorted: one that lies beyond a greater entry is not reached.
    const app::Thesaurus unsorted = thesaurusOf({"CHAT", "PRINCE", "LOUP", "ZZZZZ"});
    EXPECT_EQ(extractDescriptorText(unsorted, "Un loup et un chat"), ".CHAT");
    // An empty table finds nothing.
    EXPECT_EQ(extractDescriptorText(app::Thesaurus{}, "Un loup"), "");
}

TEST(DescriptorExtraction, RepeatedCallsGiveTheSameResult)
{
    const QString text = "Le prince et le loup";
    EXPECT_EQ(extractDescriptorText(kThesaurus, text), ".LOUP.PRINCE");
    EXPECT_EQ(extractDescriptorText(kThesaurus, "Le chat"), ".CHAT");
    EXPECT_EQ(extractDescriptorText(kThesaurus, text), ".LOUP.PRINCE");
}
