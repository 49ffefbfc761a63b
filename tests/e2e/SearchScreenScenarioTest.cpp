// A librarian searches the catalogue by a word of the title typed with its accent, and by an
// author: each page of answers is written into the program folder and shown on the screen.
#include "DriverRun.h"

#include "app/DatabaseObjects.h"
#include "platform/db/Connection.h"
#include "platform/files/WindowsPath.h"
#include "platform/text/PascalText.h"
#include "platform/text/Windows1252.h"

#include <gtest/gtest.h>

namespace {

void addCopy(db::Connection& c, const QString& title, const QString& type, int number, const QString& author)
{
    c.execute(QStringLiteral("Insert into Table1 (Isbn13, Titre, Type, NbrExemplaire, Auteur, Images) "
                             "Values ('9782000000001', ?, ?, ?, ?, 'cover.jpg')"),
              {title, type, number, author});
}

}  // namespace

TEST(SearchScreenScenario, ATitleWordTypedWithItsAccentFindsEveryTitleHoldingItOncePerTitle)
{
    ProgramFolder program;
    // The first start writes the settings; the language's messages are read from the second.
    ASSERT_EQ(play(program, logInScript()).exitCode, 0);
    {
        files::setProgramFolder(program.folder());
        db::Connection c(app::buildConnectionString(files::appDir()),
                         [](const QString& p) { return files::nativePath(p); });
        addCopy(c, QStringLiteral("L'Été des écureuils"), QStringLiteral("LIVRE"), 1, QStringLiteral("Émile Zola"));
        addCopy(c, QStringLiteral("L'Été des écureuils"), QStringLiteral("LIVRE"), 2, QStringLiteral("Émile Zola"));
        addCopy(c, QStringLiteral("Un ete au cinema"), QStringLiteral("DVD"), 1, QStringLiteral("Jean Lété"));
        addCopy(c, QStringLiteral("Babar"), QStringLiteral("LIVRE"), 1, QStringLiteral("Jean de Brunhoff"));
    }
    const DriverResult run = play(program, logInScript() + QStringLiteral("menu Livres > Rechercher\n"
                                                                          "expect-visible Recherche\n"
                                                                          "click Edit55\n"
                                                                          "type été\n"
                                                                          "answer OK\n"
                                                                          "click Button50\n"
                                                                          "expect-text Edit55 ETE\n"
                                                                          "expect-page-text WebBrowser7 L'Été des écureuils\n"
                                                                          "expect-page-text WebBrowser7 Un ete au cinema\n"
                                                                          "click Edit85\n"
                                                                          "type jean\n"
                                                                          "answer OK\n"
                                                                          "click Button75\n"
                                                                          "expect-page-text WebBrowser7 Babar\n"));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_EQ(run.lines.filter("dialog: ").filter("Recherche_Titre.html").size(), 1);

    const QString titles = text::decodeWindows1252(program.read(QStringLiteral("Recherche_Titre.html")));
    EXPECT_EQ(titles.count(QStringLiteral("<b>L'Été des écureuils</b>")), 1);
    EXPECT_EQ(titles.count(QStringLiteral("<b>Un ete au cinema</b>")), 1);
    EXPECT_FALSE(titles.contains(QStringLiteral("Babar")));
    // The author search reads books only.
    const QString authors = text::decodeWindows1252(program.read(QStringLiteral("Recherche_Auteur.html")));
    EXPECT_TRUE(authors.contains(QStringLiteral("<b>Babar</b>")));
    EXPECT_FALSE(authors.contains(QStringLiteral("cinema")));
}
