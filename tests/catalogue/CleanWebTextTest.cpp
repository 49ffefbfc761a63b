#include "QtPrinters.h"

#include "catalogue/CleanWebText.h"

#include <gtest/gtest.h>

using catalogue::CleanWebText;

TEST(CleanWebText, MarkupBecomesBlanksAndMangledLettersAreRepaired)
{
    struct Case { QString in, out; };
    const Case cases[] = {
        {"Le Petit Prince", "Le Petit Prince"},
        {"L'Ã©cole des loisirs", "L'école des loisirs"},
        {"Ã‰lÃ¨ve Ã\u00A0 l'Ã©cole", "Elève à l'école"},
        {"Ã€ la fenÃªtre", "A la fenêtre"},
        {"Ã%A0 la plage", "à la plage"},
        {"Gar\u00C3\u00A7on, Ã®le, Ã´, Ã¶, Ã¢, Ã», Ã¯, Ã¼, Ã¤, Ã«, Ã¹, Ã\u017D",
         "Garçon, île, ô, ö, â, û, ï, ü, ä, ë, ù, Î"},
        {"<b>Titre</b><br>suite", " Titre  suite"},
        {"a<br/>b<p>c</p>d", "a b c d"},
        {"<em>mot</em> clé", " mot clé"},
        {"productDescriptionWrapper >Titre</h3>", " Titre "},
        {"<div class=\"x\">Titre", "  x >Titre"},
        {"Le \"grand\" livre", "Le  grand  livre"},
        {"", ""},
        // Unknown markup and stray letters stay as they are.
        {"<i>Titre</i> Ã", "<i>Titre</i> Ã"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CleanWebText(c.in), c.out) << c.in.toStdString();
        EXPECT_LE(CleanWebText(c.in).size(), c.in.size());
    }
}

TEST(CleanWebText, EachPairWorksOnWhatTheOnesBeforeLeft)
{
    // "</em>" goes before "<em>" is looked at, so "<</em>em>" closes up into a tag of its own.
    EXPECT_EQ(CleanWebText("a<</em>em>b"), "a b");
    // The tags go before the letters are repaired: "Ã</em>©" mends into "é".
    EXPECT_EQ(CleanWebText("Ã</em>©t</em>Ã©"), "été");
}
