// The HTML book catalogue: the rows its options take, the form of each row, and the page of a
// 50,000-copy library read back by an HTML parser, whole or stopped half-way.
#include "tests/exchange/ExchangeWindowFixture.h"

#include "tests/exchange/PageText.h"

#include "exchange/BookCatalogue.h"
#include "platform/text/Windows1252.h"
#include "platform/ui/Application.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Panel.h"
#include "platform/ui/WebBrowser.h"
#include "tools/bench/Catalogue.h"

#include <QFile>
#include <QSet>

namespace {

using exchange::BookCatalogueOptions;
using exchange::BookCataloguePage;
using exchange::CatalogueBook;

CatalogueBook book(int number, const QString& title, bool last = true)
{
    return {number, last, title, QStringLiteral("978"), QStringLiteral("Au"), QStringLiteral("Ed"), QStringLiteral("LIVRE"),
            QStringLiteral("Ré"), QStringLiteral("B2"), QStringLiteral("c.jpg"), QStringLiteral(".D"), QStringLiteral("1")};
}

TEST(BookCatalogue, QueryFollowsOrderAndFilters)
{
    BookCatalogueOptions o;
    EXPECT_EQ(exchange::bookCatalogueQuery(o).sql, QStringLiteral("Select * FROM table1 WHERE Type = 'LIVRE' ORDER BY titre"));
    o.order = BookCatalogueOptions::Order::Entry;
    EXPECT_EQ(exchange::bookCatalogueQuery(o).sql, QStringLiteral("Select * FROM table1 WHERE Type = 'LIVRE'"));
    EXPECT_TRUE(exchange::bookCatalogueQuery(o).params.isEmpty());
    o.theme = QStringLiteral("L'eau");
    o.owner = QStringLiteral("BCD");
    const db::Command filtered = exchange::bookCatalogueQuery(o);
    EXPECT_EQ(filtered.sql, QStringLiteral("Select * FROM table1 WHERE Type = 'LIVRE' AND Mot_Cle = ? AND Proprio = ? "
                                           "ORDER BY NumLivre"));
    EXPECT_EQ(filtered.params, (db::Params{QStringLiteral("L'eau"), QStringLiteral("BCD")}));
}

TEST(BookCatalogue, RangeIsOpenAndUniqueTitleKeepsTheLastCopy)
{
    BookCatalogueOptions o;
    o.from = 10;
    o.to = 20;
    o.uniqueTitle = true;
    const BookCataloguePage page(o);
    EXPECT_FALSE(page.accepts(book(10, "a")));
    EXPECT_FALSE(page.accepts(book(20, "a")));
    EXPECT_TRUE(page.accepts(book(11, "a")));
    EXPECT_FALSE(page.accepts(book(11, "a", false)));
}

TEST(BookCatalogue, RowsKeepTheirOrderOfTextsAndSheetsBreak)
{
    BookCatalogueOptions o;
    o.rowsPerSheet = 1;
    o.theme = QStringLiteral("Thème");
    BookCataloguePage plain(o);
    plain.addBook(book(1, "<Un>"));
    plain.addBook(book(2, "Deux"));
    const QString text = plain.finish();
    EXPECT_EQ(text.count(QStringLiteral("page-break-after")), 2);
    const ParsedPage parsed(text);
    ASSERT_EQ(parsed.rows().size(), 2);
    EXPECT_EQ(parsed.rows()[0], QStringLiteral("<Un>Au978ThèmeNbrExemplaire : 1"));

    o.storagePlace = true;
    o.summary = o.publisher = o.type = o.descriptors = true;
    BookCataloguePage withPlace(o);
    withPlace.addBook(book(1, "T"));
    const ParsedPage placed(withPlace.finish());
    EXPECT_EQ(placed.rows()[0], QStringLiteral("TAuEd978LIVREThèmeRéNbrExemplaire : 1.D"));
    EXPECT_EQ(placed.imageSources(), (QStringList{"livres/Jaquettes/c.jpg", "Photo_Rangement/B2"}));
}

class CatalogueScreen : public ExchangeWindow {
protected:
    void SetUp() override { bench::addCatalogueCopies(program.folder(QStringLiteral("Test1.bib"))); }
    ParsedPage builtPage()
    {
        QFile f(files::nativePath(frm().AppDir + QStringLiteral("Biblio_zantor.html")));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return ParsedPage(text::decodeWindows1252(f.readAll()));
    }
};

TEST_F(CatalogueScreen, FiftyThousandCopiesEveryBookOnceAndAStoppedPageStillParses)
{
    startLoggedIn();
    input.menu(QStringLiteral("Livres > Catalogue Html Livre"));
    input.click(QStringLiteral("Button12"));
    const ParsedPage whole = builtPage();
    EXPECT_EQ(whole.title(), QStringLiteral("Titre"));
    QSet<QString> titles;
    for (const QString& row : whole.rows())
        titles.insert(row.section(QStringLiteral("Auteur"), 0, 0));
    const int books = bench::kCatalogueCopies * 4 / 5;
    EXPECT_EQ(whole.rows().size(), books);
    EXPECT_EQ(titles.size(), books);
    EXPECT_TRUE(titles.contains(bench::copyTitle(1)));
    EXPECT_FALSE(titles.contains(bench::copyTitle(4)));  // a DVD
    EXPECT_EQ(text("Edit16"), QString::number(books));
    EXPECT_TRUE(frm().get<ui::WebBrowser>(QStringLiteral("WebBrowser4")).locationUrl().endsWith(QStringLiteral("Biblio_zantor.html")));

    // Stop pressed while the page is built: its rows so far, and a whole page around them.
    input.queueClick(frm().get<ui::Control>(QStringLiteral("Button12")));
    input.queueClick(frm().get<ui::Control>(QStringLiteral("SpeedButton34")));
    input.process();
    const ParsedPage stopped = builtPage();
    EXPECT_GE(stopped.rows().size(), 1);
    EXPECT_LT(stopped.rows().size(), 10);
    EXPECT_EQ(text("Edit16"), QString::number(stopped.rows().size()));
    EXPECT_FALSE(frm().get<ui::Control>(QStringLiteral("Gauge1")).visible());
}

// What the catalogue screen, the gauge and the page view go through, in order: the hourglass
// over the screen while it opens and while the page is built, the normal cursor after.
class CatalogueCursor : public ExchangeWindow {
protected:
    void SetUp() override
    {
        startLoggedIn();
        for (const char* title : {"Alice", "Babar", "Caroline"})
            sql(QStringLiteral("INSERT INTO Table1 (Titre, Type) VALUES ('%1', 'LIVRE')").arg(QString::fromLatin1(title)));
        const ui::Component* screen = &frm().get<ui::Panel>(QStringLiteral("Panel5"));
        const ui::Component* gauge = &frm().get<ui::Control>(QStringLiteral("Gauge1"));
        const ui::Component* page = &frm().get<ui::Control>(QStringLiteral("WebBrowser4"));
        m_watch = frm().application().notifications().subscribe([=, this](const ui::Notification& n) {
            QString seen;
            if (n.component == screen && n.property == ui::Property::Cursor)
                seen = static_cast<const ui::Control*>(screen)->cursor() == ui::Cursor::HourGlass ? "hourglass" : "normal";
            else if (n.component == gauge && n.property == ui::Property::Progress)
                seen = QStringLiteral("progress");
            else if (n.component == page && n.property == ui::Property::Data)
                seen = QStringLiteral("page");
            if (!seen.isEmpty() && (events.isEmpty() || events.last() != seen))
                events << seen;
        });
    }
    void TearDown() override { frm().application().notifications().unsubscribe(m_watch); }

    QStringList events;

private:
    int m_watch = 0;
};

TEST_F(CatalogueCursor, TheHourglassShowsWhileTheScreenOpensAndWhileThePageIsBuilt)
{
    input.menu(QStringLiteral("Livres > Catalogue Html Livre"));
    EXPECT_EQ(events, (QStringList{"hourglass", "page", "normal"}));
    events.clear();
    input.click(QStringLiteral("Button12"));
    EXPECT_EQ(events, (QStringList{"hourglass", "progress", "page", "normal"}));
    // A build that fails on its options leaves the normal cursor too.
    events.clear();
    frm().get<ui::CustomEdit>(QStringLiteral("Edit115")).setText(QStringLiteral("sept"));
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("Button12"));
    EXPECT_EQ(events, (QStringList{"hourglass", "normal"}));
}

}  // namespace
