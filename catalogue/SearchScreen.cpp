#include "catalogue/SearchScreen.h"

#include "app/FrmPrin.h"
#include "app/TextRoutines.h"
#include "app/WebPagePrinting.h"
#include "catalogue/SearchScreenLayout.h"
#include "catalogue/SearchScreenPage.h"
#include "platform/db/JetCollation.h"
#include "platform/files/WindowsPath.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Panel.h"
#include "platform/ui/WebBrowser.h"

#include <algorithm>
#include <vector>

namespace catalogue {

// One kind of search: its terms, how they and the compared field are put in one form, the
// answer's middle fields, its page file and closing message.
struct SearchScreen::Kind {
    std::vector<const char*> terms;
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

const Kind kTitle{{"Edit55", "Edit118"}, true, "Titre", {"Genre", "Descripteur", "numlivre"},
                  "Recherche_Titre.html", 219, " ../Recherche_Titre.html", true, true};
const Kind kDescriptors{{"Edit56", "Edit113", "Edit114"}, true, "Descripteur", {"Descripteur", "Genre"},
                        "Recherche_Descripteur.html", 219, "../Recherche_Descripteur.html"};
const Kind kSummary{{"Edit57"}, false, "Resume", {"Genre", "Descripteur"}, "Recherche_Resume.html", 219,
                    " ..\\Recherche_Resume.html", false, false, true};
const Kind kAuthor{{"Edit85"}, false, "Auteur", {"Genre", "Descripteur"}, "Recherche_Auteur.html", 24, ""};
const Kind kTheme{{"Edit103"}, true, "Mot_Cle", {"Genre", "Descripteur"}, "Recherche_Mot_cle.html", 196,
                  "..\\Recherche_Mot_cle.html"};
const Kind kGenre{{"Edit104"}, false, "Genre", {"Descripteur"}, "Recherche_genre.html", 196,
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

SearchScreen::SearchScreen(app::TFrmPrin& frm) : m_frm(frm)
{
    buildSearchScreenControls(frm);
    frm.handlers.bind(QStringLiteral("Rechercher1Click"), [this] { Rechercher1Click(); });
    const std::pair<const char*, void (SearchScreen::*)()> buttons[] = {
        {"Button50", &SearchScreen::Button50Click},   {"Button51", &SearchScreen::Button51Click},
        {"Button52", &SearchScreen::Button52Click},   {"Button75", &SearchScreen::Button75Click},
        {"SpeedButton7", &SearchScreen::SpeedButton7Click}, {"SpeedButton8", &SearchScreen::SpeedButton8Click},
        {"Image100", &SearchScreen::Image100Click},
    };
    for (const auto& [name, handler] : buttons)
        frm.get<ui::Control>(QString::fromLatin1(name)).onClick = [this, handler] { (this->*handler)(); };
}

void SearchScreen::Rechercher1Click()
{
    m_frm.HideAllScreens();
    m_frm.get<ui::Panel>(QStringLiteral("Recherche")).show();
    for (const char* name : {"Edit55", "Edit56", "Edit57"})
        m_frm.get<ui::CustomEdit>(QString::fromLatin1(name)).clear();
}

void SearchScreen::Button50Click() { search(kTitle); }
void SearchScreen::Button51Click() { search(kDescriptors); }
void SearchScreen::Button52Click() { search(kSummary); }
void SearchScreen::Button75Click() { search(kAuthor); }
void SearchScreen::SpeedButton7Click() { search(kTheme); }
void SearchScreen::SpeedButton8Click() { search(kGenre); }

void SearchScreen::Image100Click()
{
    app::printWebPage(m_frm, m_frm.get<ui::WebBrowser>(QStringLiteral("WebBrowser7")));
}

void SearchScreen::search(const Kind& kind)
{
    app::TFrmPrin& f = m_frm;
    auto edit = [&f](const char* name) -> ui::CustomEdit& { return f.get<ui::CustomEdit>(QString::fromLatin1(name)); };
    auto checked = [&f](const char* name) { return f.get<ui::CheckBox>(QString::fromLatin1(name)).checked(); };

    SearchScreenPage page(kind.highlightSummary ? SearchScreenPage::Style::RedHighlight
                                                : SearchScreenPage::Style::Large,
                          f.settings.maker.webSite, edit(kind.terms.front()).text());
    QStringList terms;
    for (const char* name : kind.terms) {
        terms << comparedForm(edit(name).text(), kind.accentFree);
        if (kind.accentFree)
            edit(name).setText(terms.back());
    }
    int perPage = kind.pageBreaks ? text::StrToInt(edit("Edit86").text()) : 0;

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

    const SearchScreenPage::RowLayout layout{edit("Edit107").text(), edit("Edit108").text(), checked("CheckBox9")};
    const bool showSummary = checked("CheckBox6");
    const bool showDescriptors = checked("CheckBox28");
    db::Query& ars = f.db.ars;
    ars.clearSql();
    ars.addSql(statement(kind.allMedia, checked("CheckBox10")));
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
            perPage = text::StrToInt(edit("Edit86").text());
        }
    }
    ars.close();
    ars.clearSql();

    const QString path = f.AppDir + QString::fromLatin1(kind.file);
    f.OutputFile.assign(path);
    f.OutputFile.rewrite();
    f.OutputFile.writeln(page.finish());
    f.OutputFile.close();
    f.get<ui::WebBrowser>(QStringLiteral("WebBrowser7")).navigate(QStringLiteral("file:") + files::nativePath(path));
    f.application().showMessage(f.tables.message(kind.messageEntry) + QString::fromLatin1(kind.messageEnd));
}

}  // namespace catalogue
