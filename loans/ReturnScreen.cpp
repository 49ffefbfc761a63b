#include "loans/ReturnScreen.h"

#include "app/FrmPrin.h"
#include "app/TextRoutines.h"
#include "catalogue/BookCodes.h"
#include "catalogue/IsbnConversions.h"
#include "loans/BorrowerPhoto.h"
#include "loans/ControlGroups.h"
#include "loans/ReturnCandidates.h"
#include "loans/ReturnLayout.h"
#include "loans/ReturnPictures.h"
#include "loans/ScannedCode.h"
#include "platform/db/FieldText.h"
#include "platform/db/Query.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"

namespace loans {

void ClickReturnSearch(app::TFrmPrin& frm)
{
    frm.MovePointer(70, 550);
    frm.application().input().leftClick();
}

namespace {

// Labels and fields of a found loan; the screen waiting for a code shows only the borrower's.
std::array<ui::Control*, 15> resultControls(const ReturnControls& c)
{
    return {&c.surnameLabel, &c.firstNameLabel, &c.classLabel, &c.titleLabel, &c.authorLabel,
            &c.genreLabel,   &c.surname,        &c.firstName,  &c.className,  &c.title,
            &c.author,       &c.genre,          &c.place,      &c.dueDate,    &c.dueDateLabel};
}

}  // namespace

ReturnScreen::ReturnScreen(app::TFrmPrin& frm, const ReturnControls& controls, ReturnCandidates& candidates)
    : m_frm(frm), m_controls(controls), m_candidates(candidates)
{
    const ReturnControls& c = m_controls;
    frm.handlers.bind(QStringLiteral("Rendre1Click"), [this] { ShowReturnScreen(); });
    frm.handlers.bind(QStringLiteral("ShowReturnScreen"), [this] { ShowReturnScreen(); });
    frm.handlers.bind(QStringLiteral("ClickReturnSearch"), [&frm] { ClickReturnSearch(frm); });
    for (ui::Edit* edit : {&c.code, &c.copyNumber}) {
        edit->onChange = [this] { Edit48Change(); };
        edit->onKeyPress = [this](QChar& key) { Edit48KeyPress(key); };
    }
    c.borrower.onKeyPress = [this](QChar& key) { Edit49KeyPress(key); };
    c.issue.onKeyPress = [this](QChar& key) { Edit101KeyPress(key); };
    c.cancel.onClick = [this] { Button49Click(); };
    c.coverSearch.onClick = [&frm] { frm.handlers.run(QStringLiteral("SpeedButton33Click")); };
}

void ReturnScreen::ShowReturnScreen()
{
    app::TFrmPrin& f = m_frm;
    const ReturnControls& c = m_controls;
    c.listPanel.hide();
    for (const char* name : {"Panel1", "Panel2", "Panel3", "Panel4", "Panel5", "Panel6", "Panel7", "Panel8", "Panel9",
                             "Panel12", "Panel13", "Panel14", "Panel16", "Panel17", "Panel18", "Panel21", "Panel25",
                             "Panel26"})
        f.setVisibleIfBuilt(QString::fromLatin1(name), false);
    c.issue.hide();
    for (ui::Edit* field : bookFields(c))
        field->setText(QString());
    c.borrower.setText(QString());
    c.copyNumber.setText(QString());
    for (ui::Image* slot : c.stripCovers)
        slot->clearPicture();
    for (ui::Image* slot : c.photoSlots)
        slot->clearPicture();
    c.code.setText(QString());

    c.screen.setTop(44);
    c.screen.show();
    for (const char* name : {"Recherche", "Liste", "Identification"})
        f.setVisibleIfBuilt(QString::fromLatin1(name), false);

    hideResultFields();
    c.borrower.setColor(ui::colors::white);
    c.code.setFocus();
    c.search.show();
    c.cancel.show();
    c.store.hide();
    for (ui::Image* picture : {&c.cover, &c.photo, &c.shelfPicture})
        picture->clearPicture();

    ui::Input& input = f.application().input();
    if (input.capsLock()) {
        input.keyDown(ui::vk::Capital, true);
        input.keyUp(ui::vk::Capital, true);
    }
    f.MovePointer(50, 570);

    db::Table& books = f.db.ADOTable1;
    books.open();
    books.setFilter(QStringLiteral("Type='LIVRE'"));
    books.setFiltered(true);
}

void ReturnScreen::hideResultFields()
{
    m_controls.borrowerLabel.show();
    m_controls.borrower.show();
    setShown(resultControls(m_controls), false);
}

void ReturnScreen::Edit48Change()
{
    const ReturnControls& c = m_controls;
    auto& code = c.code;
    if (code.text() == kSwitchDeskWord) {
        m_frm.handlers.run(QStringLiteral("ShowLoanScreen"));
        return;
    }
    if (code.text().size() != 13)
        return;
    code.setText(FixAzertyDigitsByChar(code.text()));
    if (catalogue::isPressCode(code.text())) {
        auto& issue = c.issue;
        issue.setText(QString());
        issue.show();
        issue.setFocus();
        code.setText(code.text().left(13));
    } else {
        code.setText(code.text().left(13));
        m_frm.FlushKeyboardInput();
        c.listPanel.hide();
    }
    FindReturnCandidates();

    m_frm.MovePointer(70, 670);
    c.store.show();
    c.store.setFocus();
    if (!c.autoReturn.checked())
        return;
    // Without a borrower number there is no list to show and nothing to return.
    const QString borrower = text::Trim(c.borrower.text());
    if (borrower.isEmpty())
        return;
    m_candidates.ListBorrowerLoans(borrower);
    if (!code.text().isEmpty())
        m_frm.application().input().leftClick();
}

void ReturnScreen::FindReturnCandidates()
{
    app::TFrmPrin& f = m_frm;
    auto& code = m_controls.code;
    clearLookUpPictures();
    normaliseLookUpCode();

    auto& issue = m_controls.issue;
    db::Query rows(f.db.ADOConnection1);
    if (catalogue::isPressCode(code.text())) {
        if (issue.text().isEmpty()) {
            issue.setFocus();
            issue.setColor(ui::colors::yellow);
            f.application().input().showCursor(true);
            f.MovePointer(70, 550);
            return;
        }
        rows.setSql(QStringLiteral("SELECT * FROM table1 WHERE Isbn13 = ? AND Isbn10 = ? ORDER BY NumLivre"),
                    {text::Trim(code.text()), text::Trim(issue.text())});
    } else {
        rows.setSql(QStringLiteral("SELECT * FROM table1 WHERE Isbn13 = ? ORDER BY NumLivre"), {text::Trim(code.text())});
    }
    rows.open();

    if (rows.isEmpty()) {
        nothingToReturn(10);
        return;
    }
    HeldLoan loan;
    const int count = listCandidates(rows, loan);
    if (count == 0)
        noHolder(rows);
    else if (count == 1)
        showSingleHolder(loan);
    else
        askWhichHolder();
}

void ReturnScreen::clearLookUpPictures()
{
    const ReturnControls& c = m_controls;
    for (ui::Image* picture : {&c.cover, &c.photo, &c.shelfPicture, c.stripCovers[0]})
        picture->clearPicture();
    for (ui::Image* slot : c.photoSlots)
        slot->clearPicture();
    c.cover.setBounds(returnLayout::kCover);
}

void ReturnScreen::normaliseLookUpCode()
{
    auto& code = m_controls.code;
    QString text = FixAzertyDigits(code.text()).left(13);
    if (text.contains(QLatin1String("00000000")))
        text = text::Copy(text, 9, 5);
    if (text.size() == 10 && !text.startsWith(QLatin1String("B0")))
        text = catalogue::Isbn10To13(text);
    code.setText(text);
}

int ReturnScreen::listCandidates(db::Query& rows, HeldLoan& loan)
{
    const ReturnControls& c = m_controls;
    rows.first();
    c.holders.setText(text::Trim(fieldText(rows, "EmpNom")));
    setShown({&c.title, &c.author}, true);
    setShown({&c.genre, &c.place}, false);
    m_candidates.beginCandidates();

    // The loan shown for a single holder is that holder's own row: its book values and due date.
    int count = 0;
    for (; !rows.eof(); rows.next()) {
        if (fieldText(rows, "EmpNom").isEmpty())
            continue;
        // A loan by copy number carries its mark in the first name and is never a candidate.
        if (fieldText(rows, "EmpPrenom").contains(u'*'))
            continue;
        ++count;
        loan = HeldLoan{QString::number(rows.fieldByName(QStringLiteral("NumEmprunteur")).asInteger()),
                        fieldText(rows, "EmpNom"),
                        fieldText(rows, "EmpPrenom"),
                        fieldText(rows, "EmpClasse"),
                        text::Trim(fieldText(rows, "Images")),
                        fieldText(rows, "Titre"),
                        fieldText(rows, "Auteur"),
                        fieldText(rows, "Genre"),
                        fieldText(rows, "LieuRangement"),
                        fieldText(rows, "DateRetour")};
        m_candidates.ShowCandidate(count, loan.borrowerNo, loan.surname, loan.firstName, loan.className);
    }
    c.holders.setText(QString::number(count));
    return count;
}

void ReturnScreen::noHolder(db::Query& rows)
{
    app::TFrmPrin& f = m_frm;
    const ReturnControls& c = m_controls;
    rows.last();
    const QString title = fieldText(rows, "Titre");
    c.title.setText(title);
    c.author.setText(fieldText(rows, "Auteur"));
    c.genre.setText(fieldText(rows, "Genre"));
    c.place.setText(fieldText(rows, "LieuRangement"));
    showReturnCover(f, c.cover, fieldText(rows, "Images"));
    if (title.isEmpty()) {
        nothingToReturn(11);
        return;
    }
    f.application().showMessage(f.tables.message(12) + u'\r' + f.tables.message(13));
    c.code.setText(QString());
    f.FlushKeyboardInput();
    c.code.setFocus();
    setShown(bookFields(c), false);
    c.issue.setText(QString());
}

void ReturnScreen::showSingleHolder(const HeldLoan& loan)
{
    const ReturnControls& c = m_controls;
    ReturnSingleMatch = true;
    c.title.setText(loan.title);
    c.author.setText(loan.author);
    c.genre.setText(loan.genre);
    c.place.setText(loan.place);
    c.dueDate.setText(loan.dueDate);
    c.surname.setText(loan.surname);
    c.firstName.setText(loan.firstName);
    c.className.setText(loan.className);
    c.borrower.setText(loan.borrowerNo);
    ReturnBorrowerNo = c.borrower.text();
    showReturnCover(m_frm, c.cover, loan.cover);
    showBorrowerPhoto(m_frm, c.photo, c.surname.text(), c.firstName.text());
    c.borrowerLabel.show();
    c.borrower.show();
    setShown(resultControls(c), true);
    c.search.hide();
    c.store.show();
    c.cancel.show();
    c.issue.hide();
    m_candidates.ShowLoanStrip(c.borrower.text(), ReturnCandidates::StripVariant::AfterLookUp);
    c.store.setFocus();
}

void ReturnScreen::askWhichHolder()
{
    const ReturnControls& c = m_controls;
    ReturnSingleMatch = false;
    setShown({&c.borrowerLabel, &c.titleLabel, &c.authorLabel, &c.genreLabel, &c.borrower}, true);
    setShown(bookFields(c), true);
    c.borrower.setFocus();
    c.search.show();
    c.store.hide();
    c.listPanel.show();
}

void ReturnScreen::nothingToReturn(int message)
{
    const ReturnControls& c = m_controls;
    m_frm.ShowMessageEntry(message);
    c.code.setText(QString());
    setShown(bookFields(c), false);
    c.cover.clearPicture();
    c.code.setFocus();
    c.issue.setText(QString());
}

void ReturnScreen::Edit48KeyPress(QChar& key)
{
    if (key != kEnter)
        return;
    app::TFrmPrin& f = m_frm;
    const ReturnControls& c = m_controls;
    auto& code = c.code;
    if (code.text() == kSwitchDeskWord) {
        f.handlers.run(QStringLiteral("ShowLoanScreen"));
        return;
    }
    code.setText(FixAzertyDigits(code.text()));
    if (isBorrowerCard(code.text())) {
        c.borrower.setText(withoutPrefix(code.text()));
        code.setText(QString());
        code.setFocus();
        return;
    }
    if (isCopyLabel(code.text())) {
        const QString rest = withoutPrefix(code.text());
        auto& copyNumber = c.copyNumber;
        copyNumber.setText(rest);
        code.setText(QString());
        copyNumber.setText(ResolveCopyLabel(f.db.ADOConnection1, rest).copyNumber);
        c.search.setFocus();
        f.MovePointer(110, 580);
        f.application().input().leftClick();
        return;
    }
    code.setText(withoutLeadingZeroOfSix(code.text()));
    if (isIsbn10Form(code.text()))
        code.setText(catalogue::Isbn10To13(code.text()));
    if (code.text().size() == 5) {
        code.setText(QStringLiteral("00000000") + code.text());
        return;
    }
    if (c.borrower.text().isEmpty()) {
        c.borrower.show();
        return;
    }
    f.MovePointer(70, 670);
    c.store.show();
    c.store.setFocus();
    if (c.autoReturn.checked() && !code.text().isEmpty())
        f.application().input().leftClick();
}

void ReturnScreen::Edit49KeyPress(QChar& key)
{
    if (key != kEnter)
        return;
    auto& borrower = m_controls.borrower;
    borrower.setText(FixAzertyDigits(withoutCardPrefix(borrower.text())));
    m_frm.MovePointer(70, 570);
    m_controls.search.setFocus();
    m_frm.application().input().leftClick();
}

void ReturnScreen::Edit101KeyPress(QChar& key)
{
    if (key != kEnter)
        return;
    auto& issue = m_controls.issue;
    issue.setText(FixAzertyDigits(issue.text()));
    if (issue.text().size() < 3)
        return;
    auto& borrower = m_controls.borrower;
    borrower.setFocus();
    borrower.setColor(ui::colors::yellow);
}

void ReturnScreen::Button49Click()
{
    const ReturnControls& c = m_controls;
    c.listPanel.hide();
    hideResultFields();
    c.code.setText(QString());
    c.code.setFocus();
    c.search.show();
    c.cancel.show();
    c.store.hide();
    clearTexts({&c.surname, &c.firstName, &c.className, &c.borrower, &c.dueDate, &c.copyNumber});
    c.issue.hide();
    for (ui::Image* slot : c.stripCovers)
        slot->clearPicture();
    for (ui::Image* slot : c.photoSlots)
        slot->clearPicture();
    for (ui::Image* picture : {&c.cover, &c.photo, &c.shelfPicture})
        picture->clearPicture();
}

}  // namespace loans
