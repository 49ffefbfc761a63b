#include "exchange/StatisticsScreen.h"

#include "app/FrmPrin.h"
#include "exchange/HtmlPage.h"
#include "exchange/LoanRanking.h"
#include "platform/db/BulkScope.h"
#include "platform/db/Query.h"
#include "platform/files/ShownPath.h"
#include "platform/files/TextFile.h"
#include "platform/files/TextFileRecord.h"
#include "platform/files/WindowsPath.h"
#include "platform/shell/Shell.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ControlPlacement.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/WebBrowser.h"

namespace exchange {

namespace {

const QString kStatPage = QStringLiteral("Stat.html");
const QString kRankingTable = QStringLiteral("</p><table width=\"600\" border=\"1\">");
const QString kMostLent = QStringLiteral("SELECT * FROM table1 \r\nORDER BY NbreFoisEmprunte DESC");

QString rowStart(const QString& title)
{
    return QStringLiteral("<p><tr><td width=\"230\"><p><b>") + htmlText(title) + QStringLiteral(" </p>");
}

QString coverCell(const QString& name)
{
    return QStringLiteral("<td width=\"130\"><img src=\"livres/Jaquettes/") + htmlText(name) +
           QStringLiteral("\" width=\"100\"height=\"150\"></td>");
}

// The three digits the ranked file gives a count (more when a count reaches 1000).
QString countText(int count)
{
    return QString::number(count).rightJustified(3, u'0');
}

}  // namespace

StatisticsControls buildStatisticsScreen(app::TFrmPrin& frm)
{
    using ui::placeControl;
    auto* screen = &frm.get<ui::Panel>(QStringLiteral("Panel26"));
    placeControl<ui::Label>(frm, "StatCountLabel", screen, QRect(16, 12, 200, 16), QStringLiteral("Nombre de livres à afficher"));
    auto* bookCount = placeControl<ui::Edit>(frm, "Edit123", screen, QRect(16, 30, 60, 22), QStringLiteral("3"));
    const char* const genreBoxes[] = {"Edit124", "Edit125", "Edit126", "Edit127"};
    const char* const genres[] = {"BD", "ROMAN", "DOCUMENTAIRE", "ALBUM"};
    std::array<ui::Edit*, 4> genreEdits{};
    for (int i = 0; i < 4; ++i) {
        placeControl<ui::Label>(frm, QStringLiteral("StatGenreLabel%1").arg(i + 1).toLatin1().constData(), screen,
                                QRect(16 + i * 130, 64, 120, 16), QStringLiteral("Genre %1").arg(i + 1));
        genreEdits[i] = placeControl<ui::Edit>(frm, genreBoxes[i], screen, QRect(16 + i * 130, 82, 120, 22),
                                               QString::fromLatin1(genres[i]));
    }
    placeControl<ui::Label>(frm, "StatClassLabel", screen, QRect(16, 116, 400, 16),
                            QStringLiteral("Les Livres les plus lus dans la classe"));
    const char* const classBoxes[] = {"ComboBox5", "ComboBox13", "ComboBox14", "ComboBox16"};
    std::array<ui::ComboBox*, 4> classes{};
    for (int i = 0; i < 4; ++i) {
        classes[i] = placeControl<ui::ComboBox>(frm, classBoxes[i], screen, QRect(16 + i * 130, 134, 120, 22));
        classes[i]->setHint(QStringLiteral("Sélectionnez une classe pour réduire le nombre de résultats"));
        classes[i]->setShowHint(true);
    }
    auto* generalFigures = placeControl<ui::SpeedButton>(frm, "SpeedButton45", screen, QRect(560, 28, 260, 30),
                                                         QStringLiteral("Afficher les infos générales"));
    auto* classFigures = placeControl<ui::SpeedButton>(frm, "SpeedButton46", screen, QRect(560, 130, 260, 30),
                                                       QStringLiteral("Afficher la recherche pour des classes"));
    auto* page = placeControl<ui::WebBrowser>(frm, "WebBrowser12", screen, QRect(16, 172, 1040, 620));
    return {*screen, *bookCount, genreEdits, classes, *generalFigures, *classFigures, *page};
}

StatisticsScreen::StatisticsScreen(app::TFrmPrin& frm, StatisticsControls controls) : m_frm(frm), m_controls(controls)
{
    frm.handlers.bind(QStringLiteral("StatistiquesClick"), [this] { StatistiquesClick(); });
    m_controls.generalFigures.onClick = [this] { SpeedButton45Click(); };
    m_controls.classFigures.onClick = [this] { SpeedButton46Click(); };
}

QStringList StatisticsScreen::classTexts(int boxes) const
{
    QStringList texts;
    for (int i = 0; i < boxes; ++i)
        texts << m_controls.classes[i]->text();
    return texts;
}

QStringList StatisticsScreen::loanLines() const
{
    QStringList lines;
    const QString journal = m_frm.AppDir + QStringLiteral("Journal.csv");
    if (!files::readTextFileLines(files::nativePath(journal), lines))
        throw std::runtime_error(QStringLiteral("Le fichier %1 est introuvable.").arg(journal).toStdString());
    QStringList loans;
    for (const QString& line : lines)
        if (isLoanLine(line))
            loans << line;
    return loans;
}

QString StatisticsScreen::head() const
{
    return pageHead(QStringLiteral("Bibliothèque")) + creditLine(m_frm.settings.maker.webSite, true) +
           headingParagraph(QStringLiteral("Statistiques : ")) + tableStart(600);
}

void StatisticsScreen::StatistiquesClick()
{
    app::TFrmPrin& f = m_frm;
    f.HideAllScreens();
    m_controls.screen.show();
    db::Query& ars = f.db.ars;
    ars.close();
    ars.setSql(QStringLiteral("SELECT * FROM table1"));
    ars.open();
    {
        db::BulkScope bulk(ars.connection());
        db::Field loans = ars.fieldByName(QStringLiteral("nbreFoisEmprunte"));
        for (ars.first(); !ars.eof(); ars.next()) {
            const QString count = loans.asString();
            if (count.size() >= 5)
                continue;
            ars.edit();
            loans.setAsString((QStringLiteral("00000") + count).right(5));
            ars.post();
        }
    }
    for (ui::ComboBox* box : m_controls.classes) {
        box->clearItems();
        box->setText(QString());
    }
    ars.close();
    ars.setSql(QStringLiteral("Select * FROM Emprunteurs ORDER BY Classe,EmpNom"));
    ars.open();
    const db::Field classField = ars.fieldByName(QStringLiteral("Classe"));
    QString last;
    for (ars.first(); !ars.eof(); ars.next()) {
        const QString c = classField.asString();
        if (c == last || c.isEmpty())
            continue;
        for (ui::ComboBox* box : m_controls.classes)
            box->addItem(c);
        last = c;
    }
    ars.close();
    ars.clearSql();
    ShowHtmlPage(f, m_controls.page, kStatPage);
}

void StatisticsScreen::mostLentBooks(QString& page, int n)
{
    db::Query& ars = m_frm.db.ars;
    ars.close();
    ars.setSql(kMostLent);
    ars.open();
    page += QStringLiteral(" LES ") + htmlText(m_controls.bookCount.text()) + QStringLiteral(" LIVRES LES PLUS EMPRUNTES </p>");
    int written = 0;
    for (ars.first(); !ars.eof(); ars.next()) {
        page += rowStart(ars.fieldByName(QStringLiteral("Titre")).asString()) + QStringLiteral("Genre ") +
                htmlText(ars.fieldByName(QStringLiteral("Genre")).asString()) + QStringLiteral(" </b></p><p>Empruntés ") +
                htmlText(ars.fieldByName(QStringLiteral("NbreFoisEmprunte")).asString()) +
                QStringLiteral(" fois </b></p><p>") + coverCell(ars.fieldByName(QStringLiteral("Images")).asString());
        if (n > 0 && ++written >= n)
            break;
    }
    page += QStringLiteral("</table>");
}

void StatisticsScreen::genreRanking(QString& page, int box, const QString& genre)
{
    const int n = text::StrToInt(m_controls.bookCount.text());
    db::Query& ars = m_frm.db.ars;
    ars.close();
    ars.setSql(kMostLent);
    ars.open();
    if (box < 3)
        page += QStringLiteral("________________________________________________________________ </p>");
    const QString count = htmlText(m_controls.bookCount.text());
    page += box == 0 ? QStringLiteral(" LES ") + count + u' ' + htmlText(genre) + QStringLiteral(" LES PLUS EMPRUNTES </p>")
                     : QStringLiteral(" Les ") + count + u' ' + htmlText(genre) + QStringLiteral(" les plus empruntés </p>");
    page += kRankingTable;
    int remaining = n;
    for (ars.first(); !ars.eof(); ars.next()) {
        const QString rowGenre = ars.fieldByName(QStringLiteral("Genre")).asString();
        if (rowGenre.contains(genre)) {
            page += rowStart(ars.fieldByName(QStringLiteral("Titre")).asString());
            if (box == 0)
                page += QStringLiteral("Genre ") + htmlText(rowGenre) + QStringLiteral(" </b></p><p>");
            page += htmlText(ars.fieldByName(QStringLiteral("NbreFoisEmprunte")).asString()) +
                    QStringLiteral(" fois empruntés</b></p><p>") + coverCell(ars.fieldByName(QStringLiteral("Images")).asString());
            --remaining;
        }
        if (remaining == 0)
            break;
    }
    page += QStringLiteral("</table><br>");
}

void StatisticsScreen::publish(const QString& page)
{
    app::TFrmPrin& f = m_frm;
    f.db.ars.close();
    f.db.ars.clearSql();
    PublishHtmlPage(f, m_controls.page, kStatPage, page + kPageEnd);
}

void StatisticsScreen::SpeedButton45Click()
{
    app::TFrmPrin& f = m_frm;
    QString page = head();
    db::Query& ars = f.db.ars;
    ars.close();
    ars.setSql(QStringLiteral("SELECT * FROM table1 WHERE Type = 'LIVRE'"));
    ars.open();
    page += QStringLiteral("<p>%1 LIVRES</p>").arg(ars.recordCount());
    const QStringList loans = loanLines();
    page += QStringLiteral("<p>%1 : TOTAL DES LIVRES EMPRUNTES</p>").arg(loans.size());
    const int n = text::StrToInt(m_controls.bookCount.text());
    mostLentBooks(page, n);
    for (int box = 0; box < 4; ++box)
        if (!m_controls.genres[box]->text().isEmpty())
            genreRanking(page, box, m_controls.genres[box]->text());

    const QStringList classes = classTexts(3);
    QStringList classLoans;
    for (const QString& line : loans)
        if (std::any_of(classes.begin(), classes.end(), [&line](const QString& c) { return inClass(line, c); }))
            classLoans << line;
    page += QStringLiteral("<p>%1 LIVRES EMPRUNTES DANS LA CLASSE ").arg(classLoans.size()) + htmlText(classes[0]) +
            QStringLiteral("</p>");
    if (!classes[0].isEmpty()) {
        const std::vector<RankedLoan> ranked = rankByCode(classLoans);
        page += QStringLiteral(" </p>LIVRES LES PLUS EMPRUNTES DANS LA CLASSE : ") + htmlText(classes[0]) +
                QStringLiteral("</p>") + kRankingTable;
        for (int i = 0; i < n && i < int(ranked.size()); ++i)
            page += rowStart(loanTitle(ranked[i].line)) + QStringLiteral("Empruntés %1 fois</p>").arg(ranked[i].count) +
                    coverCell(loanCode(ranked[i].line) + QStringLiteral(".jpg"));
        page += QStringLiteral("</table><br>");
    }
    publish(page);

    f.application().showMessage(f.tables.message(178) + files::shownPath(f.AppDir + QStringLiteral("Stat.html")) + QStringLiteral(" \r\n") + f.tables.message(179));
    if (f.application().messageBox(f.tables.message(180), QStringLiteral("Excel"), ui::MessageButtons::OkCancel,
                                   ui::MessageIcon::Question, 2) == ui::ModalResult::Ok)
        f.services().shell.open(files::nativePath(f.AppDir + QStringLiteral("Journal.csv")));
}

void StatisticsScreen::SpeedButton46Click()
{
    app::TFrmPrin& f = m_frm;
    QString page = head();
    const QStringList classes = classTexts(4);
    QStringList texts;
    for (const QString& line : loanLines())
        if (std::any_of(classes.begin(), classes.end(), [&line](const QString& c) { return inClass(line, c); }))
            texts << loanText(line).left(180);
    f.application().showMessage(QString::number(texts.size()));
    const QString joined = classes.join(u' ');
    page += QStringLiteral("<p>%1 LIVRES EMPRUNTES DANS LA CLASSE ").arg(texts.size()) + htmlText(joined) +
            QStringLiteral("</p>");
    if (!classes[0].isEmpty()) {
        int merged = 0;
        const std::vector<RankedLoan> ranked = rankByText(texts, &merged);
        files::TextFileRecord sortie;
        sortie.assign(f.AppDir + QStringLiteral("Sortie.csv"));
        sortie.rewrite();
        for (const RankedLoan& r : ranked)
            sortie.writeln(countText(r.count) + u'@' + r.line);
        for (int i = 0; i < merged; ++i)
            sortie.writeln();
        sortie.close();
        const int n = text::StrToInt(m_controls.bookCount.text());
        page += QStringLiteral(" </p>LIVRES LES PLUS EMPRUNTES DANS LA CLASSE : ") + htmlText(joined) +
                QStringLiteral("</p>") + kRankingTable;
        for (int i = 0; i < n && i < int(ranked.size()); ++i) {
            const QString& t = ranked[i].line;
            page += rowStart(t.section(u';', 1, 1)) + QStringLiteral("Genre : ") + htmlText(t.section(u';', -1)) +
                    QStringLiteral(" </p>Empruntés ") + countText(ranked[i].count) + QStringLiteral(" fois</p>") +
                    coverCell(t.section(u';', 0, 0) + QStringLiteral(".jpg"));
        }
        page += QStringLiteral("</table><br>");
    }
    publish(page);
}

}  // namespace exchange
