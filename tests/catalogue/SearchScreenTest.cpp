// The search screen: every kind of search against a reference built from the matching rules, on a
// few copies with accented titles; the page read back with an HTML parser.
#include "BookScreenFixture.h"

#include "app/TextRoutines.h"
#include "catalogue/SearchScreen.h"
#include "catalogue/SearchScreenLayout.h"
#include "platform/db/JetCollation.h"
#include "platform/db/Query.h"
#include "platform/files/WindowsPath.h"
#include "platform/text/Windows1252.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Panel.h"
#include "platform/ui/WebBrowser.h"

#include <QFile>
#include <filesystem>
#include <functional>
#include <gumbo.h>

namespace {

struct SearchedCopy {
    const char* title;
    const char* type;
    int number;
    const char* author;
    const char* descriptors;
    const char* summary;
    const char* theme;
    const char* genre;
};

const SearchedCopy kCopies[] = {
    {"L'Été des Écureuils", "LIVRE", 1, "Émile Zola", ".ANIMAUX .FORET", "Deux écureuils passent l'été en forêt.",
     "Saisons", "Roman"},
    {"L'Été des Écureuils", "LIVRE", 2, "Émile Zola", ".ANIMAUX .FORET", "Deux écureuils passent l'été en forêt.",
     "Saisons", "Roman"},
    {"L'Été des Écureuils", "LIVRE", 3, "Émile Zola", ".ANIMAUX .FORET", "Deux écureuils passent l'été en forêt.",
     "Saisons", "Roman"},
    {"Les étés de Marie", "LIVRE", 1, "émile Dubois", ".FORET .MER", "Marie part à la mer", "Été", "Bande dessinée"},
    {"ete a la plage", "DVD", 1, "Emile Martin", ".MER", "Un film de plage", "ETE", "Documentaire"},
    {"Tom & <Jerry>", "LIVRE", 1, "Hanna", ".ANIMAUX", "Un chat & une souris <b>", "Dessins animés", "Roman"},
    {"Zèbre", "LIVRE", 1, "ÉMILE ZOLA", ".ANIMAUX .SAVANE", "La MER et la savane", "Afrique", "Album"},
};

// The matching rules, written out again: accents removed then a to z upper-cased, or a to z alone.
QString capitals(const QString& s)
{
    QString r = s;
    for (QChar& c : r)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
    return r;
}
QString accentFreeCapitals(const QString& s) { return capitals(RemoveFrenchAccents(s)); }

struct Search {
    const char* button;
    std::vector<std::pair<const char*, QString>> terms;
    bool firstCopiesOnly;
};

// What the reference expects: titles in title order.
QStringList referenceTitles(const Search& s)
{
    const QString button = QString::fromLatin1(s.button);
    const bool title = button == "Button50", descriptors = button == "Button51";
    const bool accentFree = title || descriptors || button == "SpeedButton7";
    std::function<QString(const SearchedCopy&)> field = [&](const SearchedCopy& c) -> QString {
        if (title)
            return QString::fromUtf8(c.title);
        if (descriptors)
            return QString::fromUtf8(c.descriptors);
        if (button == "Button52")
            return QString::fromUtf8(c.summary);
        if (button == "Button75")
            return QString::fromUtf8(c.author);
        if (button == "SpeedButton7")
            return QString::fromUtf8(c.theme);
        return QString::fromUtf8(c.genre);
    };
    std::vector<const SearchedCopy*> rows;
    for (const SearchedCopy& c : kCopies)
        if ((title || QLatin1String(c.type) == "LIVRE") && (!s.firstCopiesOnly || c.number == 1))
            rows.push_back(&c);
    std::stable_sort(rows.begin(), rows.end(), [](const SearchedCopy* a, const SearchedCopy* b) {
        return db::jet::compare(QString::fromUtf8(a->title), QString::fromUtf8(b->title)) < 0;
    });
    QStringList found;
    for (const SearchedCopy* c : rows) {
        const QString value = accentFree ? accentFreeCapitals(field(*c)) : capitals(field(*c));
        bool any = false, all = true;
        for (const auto& [edit, term] : s.terms) {
            const QString t = accentFree ? accentFreeCapitals(term) : capitals(term);
            if (t.isEmpty())
                continue;
            any = true;
            all = all && value.contains(t);
        }
        if (any && all)
            found << QString::fromUtf8(c->title);
    }
    return found;
}

// The text of every node below, as a browser shows it.
QString nodeText(const GumboNode* node)
{
    if (node->type == GUMBO_NODE_TEXT || node->type == GUMBO_NODE_WHITESPACE)
        return QString::fromUtf8(node->v.text.text);
    if (node->type != GUMBO_NODE_ELEMENT)
        return {};
    QString text;
    const GumboVector& children = node->v.element.children;
    for (unsigned i = 0; i < children.length; ++i)
        text += nodeText(static_cast<const GumboNode*>(children.data[i]));
    return text;
}

void collect(const GumboNode* node, GumboTag tag, std::vector<const GumboNode*>& out)
{
    if (node->type != GUMBO_NODE_ELEMENT)
        return;
    if (node->v.element.tag == tag)
        out.push_back(node);
    const GumboVector& children = node->v.element.children;
    for (unsigned i = 0; i < children.length; ++i)
        collect(static_cast<const GumboNode*>(children.data[i]), tag, out);
}

// A result page as a parser reads it: the bold titles and the text of each answer's cell.
struct ParsedPage {
    QStringList titles;
    QStringList answers;
    QString heading;
    int spans = 0;
    QString spanText;
};

ParsedPage parsePage(const QByteArray& bytes)
{
    const QByteArray utf8 = text::decodeWindows1252(bytes).toUtf8();
    GumboOutput* output = gumbo_parse_with_options(&kGumboDefaultOptions, utf8.constData(), size_t(utf8.size()));
    ParsedPage page;
    std::vector<const GumboNode*> nodes;
    collect(output->root, GUMBO_TAG_B, nodes);
    for (const GumboNode* b : nodes)
        page.titles << nodeText(b);
    nodes.clear();
    collect(output->root, GUMBO_TAG_TD, nodes);
    for (const GumboNode* td : nodes)
        if (const GumboAttribute* w = gumbo_get_attribute(&td->v.element.attributes, "width");
            w && QLatin1String(w->value) == "600")
            page.answers << nodeText(td);
    nodes.clear();
    collect(output->root, GUMBO_TAG_P, nodes);
    for (const GumboNode* p : nodes)
        if (const GumboAttribute* c = gumbo_get_attribute(&p->v.element.attributes, "class"); c && page.heading.isEmpty())
            page.heading = nodeText(p);
    nodes.clear();
    collect(output->root, GUMBO_TAG_SPAN, nodes);
    page.spans = int(nodes.size());
    if (!nodes.empty())
        page.spanText = nodeText(nodes.front());
    gumbo_destroy_output(&kGumboDefaultOptions, output);
    return page;
}

class SearchScreenTest : public BookScreenTest {
protected:
    void SetUp() override
    {
        auto screens = bookScreens();
        screens.push_back([](app::TFrmPrin& frm) {
            frm.addPart<catalogue::SearchScreen>(frm, catalogue::buildSearchScreenControls(frm));
        });
        start({"Cancel"}, screens);
        for (const SearchedCopy& c : kCopies) {
            frm().db.ADOConnection1.execute(
                QStringLiteral("Insert into Table1 (Isbn13, Titre, Type, NbrExemplaire, MaxExemplaire, Auteur, "
                               "Descripteur, Resume, Mot_Cle, Genre, Images, LieuRangement) Values "
                               "('9782000000001', ?, ?, ?, False, ?, ?, ?, ?, ?, 'cover.jpg', 'Bac A')"),
                {QString::fromUtf8(c.title), QString::fromLatin1(c.type), c.number, QString::fromUtf8(c.author),
                 QString::fromUtf8(c.descriptors), QString::fromUtf8(c.summary), QString::fromUtf8(c.theme),
                 QString::fromUtf8(c.genre)});
        }
        logIn();
        input.menu(QStringLiteral("Livres > Rechercher"));
    }

    // Types the terms into their fields, sets "1 exemplaire par livre" and presses the button.
    ParsedPage run(const Search& s, const char* file)
    {
        auto& firstCopies = frm().get<ui::CheckBox>(QStringLiteral("CheckBox10"));
        if (firstCopies.checked() != s.firstCopiesOnly)
            input.click(firstCopies);
        for (const auto& [name, term] : s.terms)
            fill(name, term);
        dialogs.answer(QStringLiteral("OK"));
        input.click(QString::fromLatin1(s.button));
        return parsePage(program.read(QString::fromLatin1(file)));
    }
};

TEST_F(SearchScreenTest, EachKindOfSearchFindsWhatTheMatchingRulesGive)
{
    struct Case {
        Search search;
        const char* file;
        QStringList expected;  // written by hand, so that the reference itself is checked too
    };
    const Case cases[] = {
        {{"Button50", {{"Edit55", "été"}, {"Edit118", ""}}, true}, "Recherche_Titre.html",
         {"ete a la plage", "L'Été des Écureuils", "Les étés de Marie"}},
        {{"Button50", {{"Edit55", "ÉTÉ"}, {"Edit118", "écureuil"}}, false}, "Recherche_Titre.html",
         {"L'Été des Écureuils", "L'Été des Écureuils", "L'Été des Écureuils"}},
        {{"Button50", {{"Edit55", ""}, {"Edit118", ""}}, true}, "Recherche_Titre.html", {}},
        {{"Button51", {{"Edit56", "foret"}, {"Edit113", ""}, {"Edit114", "animaux"}}, true},
         "Recherche_Descripteur.html", {"L'Été des Écureuils"}},
        {{"Button51", {{"Edit56", "mer"}, {"Edit113", ""}, {"Edit114", ""}}, true}, "Recherche_Descripteur.html",
         {"Les étés de Marie"}},
        {{"Button52", {{"Edit57", "la mer"}}, true}, "Recherche_Resume.html", {"Les étés de Marie", "Zèbre"}},
        {{"Button52", {{"Edit57", "été"}}, false}, "Recherche_Resume.html",
         {"L'Été des Écureuils", "L'Été des Écureuils", "L'Été des Écureuils"}},
        {{"Button75", {{"Edit85", "émile"}}, true}, "Recherche_Auteur.html", {"Les étés de Marie"}},
        {{"Button75", {{"Edit85", "Émile zola"}}, true}, "Recherche_Auteur.html", {"L'Été des Écureuils", "Zèbre"}},
        {{"SpeedButton7", {{"Edit103", "ete"}}, true}, "Recherche_Mot_cle.html", {"Les étés de Marie"}},
        {{"SpeedButton8", {{"Edit104", "roman"}}, true}, "Recherche_genre.html",
         {"L'Été des Écureuils", "Tom & <Jerry>"}},
        {{"SpeedButton8", {{"Edit104", ""}}, true}, "Recherche_genre.html", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.search.button) + " " + c.search.terms.front().second.toStdString());
        const ParsedPage page = run(c.search, c.file);
        EXPECT_EQ(referenceTitles(c.search), c.expected);
        EXPECT_EQ(page.titles, c.expected);
        EXPECT_EQ(page.answers.size(), c.expected.size());
    }
}

TEST_F(SearchScreenTest, AccentFreeTermsAreWrittenBackAndThePageHoldsEveryValueEscaped)
{
    const ParsedPage page = run({"Button50", {{"Edit55", "tom & <j"}, {"Edit118", ""}}, true},
                                "Recherche_Titre.html");
    EXPECT_EQ(edit("Edit55").text(), "TOM & <J");
    // The heading shows the term as it was typed.
    EXPECT_EQ(page.heading, "Recherche : tom & <j");
    ASSERT_EQ(page.titles, QStringList{"Tom & <Jerry>"});
    const QString answer = page.answers.front();
    EXPECT_TRUE(answer.contains("Un chat & une souris <b>")) << answer.toStdString();
    EXPECT_TRUE(answer.contains("9782000000001"));
    EXPECT_TRUE(answer.contains("Hanna"));
    EXPECT_TRUE(answer.contains(".ANIMAUX"));
    EXPECT_EQ(frm().get<ui::WebBrowser>("WebBrowser7").locationUrl(),
              "file:" + files::nativePath(frm().AppDir + "Recherche_Titre.html"));
    EXPECT_EQ(dialogTexts().back(), frm().tables.message(219) + " ../Recherche_Titre.html");
    // The print picture asks the print dialog; nothing goes to the desktop.
    const size_t handedOver = shell.records().size();
    dialogs.answer(QStringLiteral("Cancel"));
    input.click(QStringLiteral("Image100"));
    EXPECT_EQ(dialogs.log().back().kind, ui::DialogRecord::Kind::Print);
    EXPECT_EQ(shell.records().size(), handedOver);
}

TEST_F(SearchScreenTest, TheSummarySearchMarksTheTermWhereItEndsTheSummaryAndAuthorTermsKeepTheirAccents)
{
    const ParsedPage page = run({"Button52", {{"Edit57", "La Mer"}}, true}, "Recherche_Resume.html");
    EXPECT_EQ(edit("Edit57").text(), "La Mer");
    ASSERT_EQ(page.answers.size(), 2);
    EXPECT_TRUE(page.answers[0].endsWith("Marie part à la mer")) << page.answers[0].toStdString();
    EXPECT_EQ(page.spans, 2);
    EXPECT_EQ(page.spanText, "la mer");

    run({"Button75", {{"Edit85", "émile"}}, true}, "Recherche_Auteur.html");
    EXPECT_EQ(edit("Edit85").text(), "émile");
}

TEST_F(SearchScreenTest, TitlePagesBreakAfterEveryCountOfAnswers)
{
    fill("Edit86", QStringLiteral("1"));
    run({"Button50", {{"Edit55", "e"}, {"Edit118", ""}}, true}, "Recherche_Titre.html");
    const QString page = text::decodeWindows1252(program.read(QStringLiteral("Recherche_Titre.html")));
    EXPECT_EQ(page.count(QStringLiteral("<BR CLASS=page>")), 5);
    EXPECT_TRUE(page.endsWith(QStringLiteral("</table></BODY></HTML>\r\n")));

    // A count that is no number stops the search before any page is written.
    std::filesystem::remove(program.folder("Recherche_Titre.html").toStdString());
    fill("Edit86", QStringLiteral("quatre"));
    input.click(QStringLiteral("Button50"));
    EXPECT_FALSE(QFile::exists(program.folder("Recherche_Titre.html")));
    EXPECT_TRUE(dialogs.log().back().text.contains("quatre"));
}

// Titles equal to the Jet collation keep the order the copies were stored in, and a copy without a
// title comes first, as ORDER BY Titre walking the title index gives them.
TEST_F(SearchScreenTest, AnswersComeInTitleOrderEqualTitlesInStorageOrder)
{
    const std::pair<const char*, const char*> copies[] = {
        {"zebre", "A"}, {"", "B"}, {"Zèbre", "C"}, {"ZEBRE", "D"}, {nullptr, "E"}, {"Âne", "F"}, {"ane", "G"},
    };
    for (const auto& [title, author] : copies) {
        frm().db.ADOConnection1.execute(
            QStringLiteral("Insert into Table1 (Type, NbrExemplaire, Auteur, Titre) Values ('LIVRE', 1, ?, ?)"),
            {QStringLiteral("Ordre %1").arg(QString::fromLatin1(author)),
             title ? db::Value(QString::fromUtf8(title)) : db::Value()});
    }
    const QStringList expected{"E", "B", "G", "F", "A", "D", "C"};

    db::Query indexOrder(frm().db.ADOConnection1);
    indexOrder.setSql(QStringLiteral("Select * FROM table1 WHERE Auteur LIKE 'Ordre %' ORDER BY Titre"));
    indexOrder.open();
    QStringList stored;
    for (; !indexOrder.eof(); indexOrder.next())
        stored << indexOrder.fieldByName(QStringLiteral("Auteur")).asString().right(1);
    EXPECT_EQ(stored, expected);

    const ParsedPage page = run({"Button75", {{"Edit85", "ordre"}}, true}, "Recherche_Auteur.html");
    QStringList shown;
    for (const QString& answer : page.answers) {
        const qsizetype at = answer.indexOf(QStringLiteral("Ordre "));
        shown << (at < 0 ? QString() : answer.mid(at + 6, 1));
    }
    EXPECT_EQ(shown, expected);
}

TEST_F(SearchScreenTest, TheMenuEmptiesTheFirstTermsAndLeavesTheBookTableOnItsLastBook)
{
    fill("Edit55", QStringLiteral("x"));
    fill("Edit85", QStringLiteral("Hanna"));
    input.menu(QStringLiteral("Livres > Rechercher"));
    EXPECT_TRUE(control("Recherche").visible());
    EXPECT_EQ(edit("Edit55").text(), "");
    EXPECT_EQ(edit("Edit85").text(), "Hanna");
    run({"Button75", {{"Edit85", "Hanna"}}, true}, "Recherche_Auteur.html");
    EXPECT_EQ(frm().db.ADOTable1.filter(), "Type='LIVRE'");
    EXPECT_EQ(frm().db.ADOTable1.fieldByName("Titre").asString(), "Zèbre");
}

}  // namespace
