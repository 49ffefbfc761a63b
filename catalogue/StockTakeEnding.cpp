#include "catalogue/StockTakeEnding.h"

#include "app/CsvValue.h"
#include "app/FrmPrin.h"
#include "catalogue/BookEntryScreen.h"
#include "catalogue/StockTakePanel.h"
#include "catalogue/StockTakeScope.h"
#include "catalogue/StockTakeScreen.h"
#include "catalogue/StockTakeStateFile.h"
#include "platform/db/BulkScope.h"
#include "platform/db/FieldText.h"
#include "platform/files/ShownPath.h"
#include "platform/files/WindowsPath.h"
#include "platform/shell/Shell.h"
#include "platform/text/DateText.h"
#include "platform/text/HtmlText.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/SpeedButton.h"

#include <vector>

namespace catalogue {

namespace {

const QString kListName = QStringLiteral("Inventaire_Annuel_");

// One missing copy on the printed list: its cover, its place's picture, what it is, and who
// has it when it is out. Values are escaped, so that no title can hide the rows after it.
QString pageRow(db::DataSet& rows)
{
    auto v = [&rows](const char* name) { return text::htmlText(fieldText(rows, QString::fromLatin1(name))); };
    return QStringLiteral("<tr><td width=\"130\"><img src=\"livres/Jaquettes/") + v("Images") +
           QStringLiteral("\" width=\"150\"height=\"200\"></td>") +
           QStringLiteral("<td width=\"130\"><img src=\"Photo_Rangement/") + v("LieuRangement") +
           QStringLiteral("\" width=\"80\"height=\"120\"></td>") + QStringLiteral("</td><td width=\"600\"><p><b>") +
           v("Titre") + QStringLiteral("</b></p><p>") + v("Isbn13") + QStringLiteral("</p><p>") + v("Auteur") +
           QStringLiteral("</p><p>") + v("Editeur") + QStringLiteral("</p><p>Actuellement emprunté par :") +
           QStringLiteral("</p><p>") + v("EmpNom") + u' ' + v("EmpPrenom") + u' ' + v("EmpClasse") + u' ' +
           v("NumEmprunteur") + QStringLiteral("</p></td></tr>");
}

}  // namespace

StockTakeEnding::StockTakeEnding(app::TFrmPrin& frm, const BookEntryScreen& entry, const StockTakeScreen& stockTake)
    : m_frm(frm), m_entry(entry), m_controls(stockTake.controls())
{
    m_controls.finish.onClick = [this] { SpeedButton31Click(); };
    m_controls.zeroMissing.onClick = [this] { SpeedButton50Click(); };
    m_controls.erase.onClick = [this] { SpeedButton53Click(); };
}

void StockTakeEnding::closeScreen()
{
    m_controls.panel.hide();
    m_entry.controls().screen.hide();
}

bool StockTakeEnding::confirmEnding()
{
    app::TFrmPrin& f = m_frm;
    return f.application().messageBox(f.tables.dialog(27), f.tables.dialog(28), ui::MessageButtons::OkCancel,
                                      ui::MessageIcon::Question, 2) == ui::ModalResult::Ok;
}

void StockTakeEnding::selectCandidates(const int (&messages)[4][2])
{
    app::TFrmPrin& f = m_frm;
    StockTakeScope scope(f, m_controls);
    const QString genre = scope.boxText();
    const bool lentKept = m_controls.lentCountAsThere.checked();
    const int(&entries)[2] = messages[(lentKept ? 0 : 2) + (scope.genre().isEmpty() ? 1 : 0)];
    f.application().showMessage(scope.genre().isEmpty() ? f.tables.message(entries[0])
                                                        : f.tables.message(entries[0]) + genre +
                                                              f.tables.message(entries[1]));
    scope.selectAll();
}

void StockTakeEnding::SpeedButton31Click()
{
    app::TFrmPrin& f = m_frm;
    closeScreen();
    if (!stockTakePasswordGiven(f) || !confirmEnding())
        return;
    StockTakeScope scope(f, m_controls);
    selectCandidates({{162, 163}, {164, -1}, {165, -1}, {166, -1}});
    db::Query& rows = f.db.ars;
    f.application().showMessage(QString::number(rows.recordCount()) + QStringLiteral(" Candidats \r") +
                                m_controls.missingCount.text() + QStringLiteral(" livres à supprimer"));

    const QString csvName = kListName + scope.boxText() + QStringLiteral(".csv");
    const QString pageName = kListName + scope.boxText() + QStringLiteral(".html");
    QStringList csv;
    QString page = text::pageTitleHead(QStringLiteral("Inventaire annuel")) +
                   QStringLiteral("<style type=\"text/css\"><!--.Style1 {font-size: 36px}--></style></HEAD><BODY>") +
                   QStringLiteral("<p class=\"Style1\">Livres absents (Voir aussi : ") + text::htmlText(csvName) +
                   QStringLiteral("</p><table width=\"600\" border=\"1\">");
    for (rows.first(); !rows.eof(); rows.next()) {
        if (!scope.isMissing(rows))
            continue;
        auto v = [&rows](const char* name) { return fieldText(rows, QString::fromLatin1(name)); };
        csv << v("NumLivre") + u';' + v("Titre") + QStringLiteral(";'") + v("Isbn13") + u';' + v("Auteur") + u';' +
                   v("Editeur");
        page += pageRow(rows);
    }
    page += QStringLiteral("</table></BODY></HTML>");
    writeStockTakeFile(f, csvName, csv);
    files::TextFileRecord& file = f.OutputFile;
    file.assign(f.AppDir + pageName);
    file.rewrite();
    file.write(page);
    file.close();

    writeStockTakeState(f, {kStockTakeFinished, text::shortDateText(f.application().clock().currentDateTime().date()),
                            scope.name(), m_controls.foundCount.text(), m_controls.missingCount.text()});
    f.application().showMessage(f.tables.message(167) + pageName + f.tables.message(168) +
                                QString::number(csv.size()) + f.tables.message(169));
    f.application().showMessage(f.tables.message(170) + files::shownPath(f.AppDir + pageName) + QStringLiteral(" \r\n") +
                                f.tables.message(171));
    if (f.application().messageBox(f.tables.message(172), QStringLiteral("Navigateur"), ui::MessageButtons::OkCancel,
                                   ui::MessageIcon::Question, 2) == ui::ModalResult::Ok)
        f.services().shell.open(files::nativePath(f.AppDir + pageName));
}

void StockTakeEnding::SpeedButton50Click()
{
    app::TFrmPrin& f = m_frm;
    if (!stockTakePasswordGiven(f))
        return;
    f.ShowMessageEntry(181);
    StockTakeScope scope(f, m_controls);
    if (f.application().messageBox(f.tables.message(182) + scope.boxText() + f.tables.message(183),
                                   QStringLiteral("Inventaire"), ui::MessageButtons::OkCancel,
                                   ui::MessageIcon::Question, 2) != ui::ModalResult::Ok) {
        f.ShowMessageEntry(184);
        m_controls.panel.hide();
        return;
    }
    selectCandidates({{188, 189}, {190, -1}, {191, -1}, {192, -1}});
    db::Query& rows = f.db.ars;
    f.application().showMessage(QString::number(rows.recordCount()) + f.tables.message(193));

    // The file is the only record of the copies about to go: it is written whole before any
    // copy number changes.
    const QStringList columns = kLibraryCsvHeader.split(u';');
    QStringList lines{kLibraryCsvHeader};
    std::vector<qint64> missing;
    for (rows.first(); !rows.eof(); rows.next()) {
        if (!scope.isMissing(rows))
            continue;
        QStringList values;
        for (const QString& column : columns)
            values << app::csvValue(fieldText(rows, column), app::CsvRule::MissingCopies);
        lines << values.join(u';');
        missing.push_back(rows.currentKey());
    }
    writeStockTakeFile(f, QStringLiteral("Bibliotheque.csv"), lines);
    {
        db::BulkScope bulk(f.db.ADOConnection1);
        for (qint64 key : missing) {
            rows.goToKey(key);
            rows.edit();
            rows.fieldByName(QStringLiteral("NbrExemplaire")).setAsInteger(0);
            rows.post();
        }
    }
    f.application().showMessage(f.tables.message(194) + files::shownPath(f.AppDir + QStringLiteral("Bibliotheque.csv")) + QStringLiteral(" \r\n") +
                                f.tables.message(195));
    f.application().showMessage(QStringLiteral("Les livres à supprimer ont 0 comme nbre exemplaire. Il faut les "
                                               "supprimer manuellement dans l'onglet tableau."));
    m_controls.panel.hide();
}

void StockTakeEnding::SpeedButton53Click()
{
    app::TFrmPrin& f = m_frm;
    if (!stockTakePasswordGiven(f) || !confirmEnding())
        return;
    StockTakeScope scope(f, m_controls);
    const QString genre = scope.genre();
    f.application().showMessage(
        QStringLiteral("les livres repérés comme absents de la Qvl vont être effacés sans retours possibles pour :") +
        scope.boxText());
    db::Table& table = f.db.ADOTable1;
    table.setActive(true);
    if (genre.isEmpty())
        table.setFilter(QStringLiteral("NbrExemplaire = '0'"));
    else
        table.setFilter(QStringLiteral("Genre = ? And NbrExemplaire = '0'"), {genre});
    table.setFiltered(true);
    table.first();
    table.refresh();
    {
        db::BulkScope bulk(f.db.ADOConnection1);
        while (!table.isEmpty())
            table.remove();
    }
    table.setFiltered(false);
}

}  // namespace catalogue
