#include "exchange/IsbnListScreen.h"

#include "app/FrmPrin.h"
#include "catalogue/BookEntryControls.h"
#include "exchange/BookScreenShow.h"
#include "exchange/IsbnList.h"
#include "platform/db/Query.h"
#include "platform/files/FileOps.h"
#include "platform/files/ShownPath.h"
#include "platform/files/TextFile.h"
#include "platform/files/TextFileRecord.h"
#include "platform/files/WindowsPath.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/ControlPlacement.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Input.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpeedButton.h"

namespace exchange {

namespace {

const QString kList = QStringLiteral("hors_connexion.csv");

}  // namespace

IsbnListControls buildIsbnListScreen(app::TFrmPrin& frm)
{
    using ui::placeControl;
    auto* screen = &frm.get<ui::Panel>(QStringLiteral("Panel12"));
    placeControl<ui::Label>(frm, "IsbnListLabel", screen, QRect(16, 12, 600, 20),
                            QStringLiteral("Cette fonction sert à stoquer des N° Isbn dans un fichier"));
    auto* codes = placeControl<ui::Memo>(frm, "Memo3", screen, QRect(16, 40, 300, 560));
    auto* save = placeControl<ui::Button>(frm, "Button30", screen, QRect(330, 40, 150, 32), QStringLiteral("Sauvegarder"));
    return {*screen, *codes, *save};
}

IsbnListScreen::IsbnListScreen(app::TFrmPrin& frm, const catalogue::BookEntryControls& book, IsbnListControls controls)
    : m_frm(frm), m_book(book), m_controls(controls)
{
    frm.handlers.bind(QStringLiteral("ExporterISBN1Click"), [this] { ExporterISBN1Click(); });
    frm.handlers.bind(QStringLiteral("AjouterlalisteISBN1Click"), [this] { AjouterlalisteISBN1Click(); });
    frm.handlers.bind(QStringLiteral("Lsitetouslivresn1Click"), [this] { Lsitetouslivresn1Click(); });
    m_controls.save.onClick = [this] { Button30Click(); };
    m_book.nextIsbn.onClick = [this] { Button31Click(); };
}

void IsbnListScreen::ExporterISBN1Click()
{
    app::TFrmPrin& f = m_frm;
    files::TextFileRecord list, codes;
    list.assign(f.AppDir + kList);
    list.rewrite();
    codes.assign(f.AppDir + QStringLiteral("ISBN.txt"));
    codes.rewrite();
    db::Query& ars = f.db.ars;
    ars.close();
    ars.setSql(QStringLiteral("SELECT * FROM table1 WHERE Type = 'LIVRE'"));
    ars.open();
    const db::Field isbn13 = ars.fieldByName(QStringLiteral("Isbn13"));
    const db::Field barcode = ars.fieldByName(QStringLiteral("CodeBarres"));
    for (ars.first(); !ars.eof(); ars.next()) {
        if (!isbn13.asString().isEmpty())
            list.writeln(isbn13.asString());
        if (!barcode.asString().isEmpty())
            codes.writeln(barcode.asString());
    }
    list.close();
    codes.close();
    f.ShowMessageEntry(122);
}

void IsbnListScreen::AjouterlalisteISBN1Click()
{
    app::TFrmPrin& f = m_frm;
    f.HideAllScreens();
    m_controls.screen.show();
    m_controls.codes.setFocus();
}

void IsbnListScreen::Button30Click()
{
    app::TFrmPrin& f = m_frm;
    files::TextFileRecord& file = f.OutputFile;
    file.assign(f.AppDir + kList);
    // A first list starts the file rather than losing what was typed.
    if (files::fileExists(f.AppDir + kList))
        file.append();
    else
        file.rewrite();
    for (const QString& line : m_controls.codes.lines())
        file.writeln(line);
    file.close();
}

void IsbnListScreen::Lsitetouslivresn1Click()
{
    app::TFrmPrin& f = m_frm;
    f.IsbnListMode = true;
    showBookScreenEssential(f, m_book);
    m_book.screen.setColor(ui::colors::teal);
    f.setVisibleIfBuilt(QStringLiteral("WebBrowser6"), false);
    m_book.titleSearch.hide();
    m_book.issuePanel.hide();
    m_book.searching.hide();
    m_book.nextIsbn.show();
    f.settings.cinquieme.clear();
    QStringList lines;
    if (!files::readTextFileLines(files::nativePath(f.AppDir + kList), lines))
        f.application().showMessage(QStringLiteral("La liste ") + files::shownPath(f.AppDir + kList) + QStringLiteral(" est vide ou absente."));
    m_book.pageSource.setLines(lines);
    f.settings.cinquieme = QString::number(lines.size() - 1);
    if (lines.isEmpty()) {
        m_book.nextIsbn.hide();
        m_controls.codes.setLines(lines);
        return;
    }
    m_book.code.setText(lines.last());
    // The last entry is the librarian's to look up now: taken, as each entry "ISBN Suivant" hands over.
    lines.last().clear();
    m_controls.codes.setLines(lines);
}

void IsbnListScreen::rewriteList(const QStringList& lines)
{
    files::TextFileRecord& file = m_frm.OutputFile;
    file.assign(m_frm.AppDir + kList);
    file.rewrite();
    for (const QString& line : lines)
        file.writeln(line);
    file.close();
}

void IsbnListScreen::Button31Click()
{
    app::TFrmPrin& f = m_frm;
    ui::Memo& memo = m_controls.codes;
    ui::Button& next = m_book.nextIsbn;
    QStringList lines = memo.lines();
    const std::optional<int> position = text::ParseInt(f.settings.cinquieme);
    // A position the loaded list does not hold (none loaded this run): nothing left to take.
    if (!position || *position < 1 || *position > lines.size()) {
        next.hide();
        return;
    }
    const int a = *position - 1;
    f.settings.cinquieme = QString::number(a);
    const QString entry = text::Trim(lines[a]);
    switch (isbnEntryUse(entry)) {
    case IsbnEntryUse::Drop:
        memo.setLine(a, QString());
        return;
    case IsbnEntryUse::Keep:
        return;
    case IsbnEntryUse::LookUp:
        break;
    }
    ui::Edit& code = m_book.code;
    code.setText(entry);
    code.setFocus();
    // Handled once this handler has returned: the list is rewritten before the look-up runs.
    f.application().input().keyDown(ui::vk::Return, true);
    memo.setLine(a, QString());
    lines[a].clear();
    rewriteList(remainingIsbnList(lines, a));
    next.setVisible(a != 0);
}

}  // namespace exchange
