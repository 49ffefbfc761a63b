#include "catalogue/SearchScreen.h"

#include "app/FrmPrin.h"
#include "app/TextRoutines.h"
#include "app/WebPagePrinting.h"
#include "catalogue/SearchScreenPage.h"
#include "platform/db/JetCollation.h"
#include "platform/files/WindowsPath.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/WebBrowser.h"

#include <algorithm>
#include <vector>

namespace catalogue {

// One kind of search: its terms, how they and the compared field are put in one form, the
// answer's middle fields, its page file and closing message.
struct SearchScreen::Kind {
    std::vector<ui::Edit*> SearchScreenControls::*terms;
    // Accent-free capitals, written back into the term fields; otherwise capitals only.
    bool accentFree;
    const char* field;
    std::vector<const char*> middleFields;
    const char* file;
    int messageEntry;
    const char* messageEnd;
    // Other media answer too.
    bool allMedia = false;
    bool pageBreaks = false;
    bool highlightSummary = false;
};

namespace {

using Kind = SearchScreen::Kind;

const Kind kTitle{&SearchScreenControls::titleTerms, true, "Titre", {"Genre", "Descripteur", "numlivre"},
                  "Recherche_Titre.html", 219, " ../Recherche_Titre.html", true, true};
const Kind kDescriptors{&SearchScreenControls::descriptorTerms, true, "Descripteur", {"Descripteur", "Genre"},
                        "Recherche_Descripteur.html", 219, "../Recherche_Descripteur.html"};
const Kind kSummary{&SearchScreenControls::summaryTerms, false, "Resume", {"Genre", "Descripteur"}, "Recherche_Resume.html", 219,
                    " ..\\Recherche_Resume.html", false, false, true};
const Kind kAuthor{&SearchScreenControls::authorTerms, false, "Auteur", {"Genre", "Descripteur"}, "Recherche_Auteur.html", 24, ""};
const Kind kTheme{&SearchScreenControls::themeTerms, true, "Mot_Cle", {"Genre", "Descripteur"}, "Recherche_Mot_cle.html", 196,
                  "..\\Recherche_Mot_cle.html"};
const Kind kGenre{&SearchScreenControls::genreTerms, false, "Genre", {"Descripteur"}, "Recherche_genre.html", 196,
                  "..\\Recherche_genre.html"};

QString comparedForm(const QString& value, bool accentFree)
{
    return text::UpperCase(accentFree ? RemoveFrenchAccents(value) : value);
}

// Every term typed is contained, and at least one was typed: an empty term finds nothing.
bool answers(const QString& value, const QStringList& terms)
{
    bool typed = false;
    for (const QString& term : terms) {
        if (term.isEmpty())
            continue;
        if (!value.contains(term))
            return false;
        typed = true;
    }
    return typed;
}

// Read in storage order and only the answers sorted: walking the Titre index costs a table
// lookup per copy, which at 50,000 copies is most of a search. Only the fields a search compares
// or writes are read; the other columns would double the walk.
QString statement(bool allMedia, bool firstCopiesOnly)
{
    QString text = QStringLiteral("Select Titre, Descripteur, Resume, Auteur, Mot_Cle, Genre, numlivre, Images, "
                                  "LieuRangement, Isbn13, Editeur, EmpNom, EmpPrenom, EmpClasse, DateRetour "
                                  "FROM table1");
    if (!allMedia)
        text += QStringLiteral(" WHERE Type = 'LIVRE'");
    if (firstCopiesOnly)
        text += allMedia ? QStringLiteral(" WHERE NbrExemplaire = 1") : QStringLiteral(" AND NbrExemplaire = 1");
    return text;
}

// The answers' rows in the order of ORDER BY Titre: no title first, then by the Jet collation,
// equal titles in storage order (the rows come in it, and the sort is stable).
void sortByTitle(std::vector<int>& recNos, db::Query& rows)
{
    const db::Field title = rows.fieldByName(QStringLiteral("Titre"));
    struct Key { int recNo; bool hasTitle; QString title; };
    std::vector<Key> keys;
    keys.reserve(recNos.size());
    for (const int recNo : recNos) {
        rows.setRecNo(recNo);
        keys.push_back({recNo, !title.isNull(), title.asString()});
    }
    std::stable_sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) {
        if (a.hasTitle != b.hasTitle)
            return !a.hasTitle;
        return db::jet::compare(a.title, b.title) < 0;
    });
    for (size_t i = 0; i < keys.size(); ++i)
        recNos[i] = keys[i].recNo;
}

}  // namespace

SearchScreen::SearchScreen(app::TFrmPrin& frm, const SearchScreenControls& controls)
    : m_frm(frm), m_controls(controls)
{
    const SearchScreenControls& c = m_controls;
    frm.handlers.bind(QStringLiteral("Rechercher1Click"), [this] { Rechercher1Click(); });
    c.titleSearch.onClick = [this] { Button50Click(); };
    c.descriptorSearch.onClick = [this] { Button51Click(); };
    c.summarySearch.onClick = [this] { Button52Click(); };
    c.authorSearch.onClick = [this] { Button75Click(); };
    c.themeSearch.onClick = [this] { SpeedButton7Click(); };
    c.genreSearch.onClick = [this] { SpeedButton8Click(); };
    c.print.onClick = [this] { Image100Click(); };
}

void SearchScreen::Rechercher1Click()
{
    const SearchScreenControls& c = m_controls;
    m_frm.HideAllScreens();
    c.screen.show();
    for (ui::Edit* term : {c.titleTerms.front(), c.descriptorTerms.front(), c.summaryTerms.front()})
        term->clear();
}

void SearchScreen::Button50Click() { search(kTitle); }
void SearchScreen::Button51Click() { search(kDescriptors); }
void SearchScreen::Button52Click() { search(kSummary); }
void SearchScreen::Button75Click() { search(kAuthor); }
void SearchScreen::SpeedButton7Click() { search(kTheme); }
void SearchScreen::SpeedButton8Click() { search(kGenre); }

void SearchScreen::Image100Click()
{
    app::printWebPage(m_frm, m_controls.page);
}

void SearchScreen::search(const Kind& kind)
{
    app::TFrmPrin& f = m_frm;
    const SearchScreenControls& c = m_controls;
    const std::vector<ui::Edit*>& termEdits = c.*kind.terms;

    SearchScreenPage page(kind.highlightSummary ? SearchScreenPage::Style::RedHighlight
                                                : SearchScreenPage::Style::Large,
                          f.settings.maker.webSite, termEdits.front()->text());
    QStringList terms;
    for (ui::Edit* term : termEdits) {
        terms << comparedForm(term->text(), kind.accentFree);
        if (kind.accentFree)
            term->setText(terms.back());
    }
    int perPage = kind.pageBreaks ? text::StrToInt(c.answersPerPage.text()) : 0;

    // The book table is left on its last book. Already filtered so, it is not read again: the book
    // screen reads it afresh whenever it opens.
    db::Table& books = f.db.ADOTable1;
    const QString booksOnly = QStringLiteral("Type='LIVRE'");
    books.open();
    if (!books.filtered() || books.filter() != booksOnly) {
        books.setFilter(booksOnly);
        books.setFiltered(true);
    }
    books.last();

    const SearchScreenPage::RowLayout layout{c.coverWidth.text(), c.coverHeight.text(), c.showPlace.checked()};
    const bool showSummary = c.showSummary.checked();
    const bool showDescriptors = c.showDescriptors.checked();
    db::Query& ars = f.db.ars;
    ars.clearSql();
    ars.addSql(statement(kind.allMedia, c.oneCopyPerBook.checked()));
    ars.open();
    ars.first();
    // Fields found once: the walk reads every copy of the catalogue.
    auto field = [&ars](const char* name) { return ars.fieldByName(QString::fromLatin1(name)); };
    const db::Field compared = field(kind.field);
    std::vector<std::pair<db::Field, bool>> middle;
    for (const char* name : kind.middleFields)
        middle.emplace_back(field(name), QLatin1String(name) == QLatin1String("Descripteur"));
    const db::Field images = field("Images"), place = field("LieuRangement"), title = field("Titre"),
                    isbn13 = field("Isbn13"), author = field("Auteur"), publisher = field("Editeur"),
                    surname = field("EmpNom"), firstName = field("EmpPrenom"), className = field("EmpClasse"),
                    returnDate = field("DateRetour"), summary = field("Resume");
    const QString highlight = kind.highlightSummary ? terms.front() : QString();
    std::vector<int> answerRows;
    for (; !ars.eof(); ars.next())
        if (answers(comparedForm(compared.asString(), kind.accentFree), terms))
            answerRows.push_back(ars.recNo());
    sortByTitle(answerRows, ars);
    int onThisPage = 0;
    for (const int recNo : answerRows) {
        ars.setRecNo(recNo);
        SearchAnswer a{images.asString(),  place.asString(),   title.asString(),     isbn13.asString(),
                       author.asString(),  publisher.asString(), {},                  surname.asString(),
                       firstName.asString(), className.asString(), returnDate.asString(),
                       showSummary ? summary.asString() : QString()};
        for (const auto& [value, isDescriptor] : middle)
            a.middleFields << (isDescriptor && !showDescriptors ? QString() : value.asString());
        page.addAnswer(a, layout, highlight);
        if (perPage > 0 && ++onThisPage == perPage) {
            page.addPageBreak();
            onThisPage = 0;
            perPage = text::StrToInt(c.answersPerPage.text());
        }
    }
    ars.close();
    ars.clearSql();

    const QString path = f.AppDir + QString::fromLatin1(kind.file);
    f.OutputFile.assign(path);
    f.OutputFile.rewrite();
    f.OutputFile.writeln(page.finish());
    f.OutputFile.close();
    c.page.navigate(QStringLiteral("file:") + files::nativePath(path));
    f.application().showMessage(f.tables.message(kind.messageEntry) + QString::fromLatin1(kind.messageEnd));
}

}  // namespace catalogue
