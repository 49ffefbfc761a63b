#include "loans/LoanScreen.h"

#include "app/FrmPrin.h"
#include "app/JournalReplay.h"
#include "app/TextRoutines.h"
#include "catalogue/BookCodes.h"
#include "catalogue/BookEntryScreen.h"
#include "catalogue/Ean13FontText.h"
#include "catalogue/IsbnConversions.h"
#include "loans/BorrowerPhoto.h"
#include "loans/ControlGroups.h"
#include "loans/ReturnScreen.h"
#include "loans/ScannedCode.h"
#include "platform/db/FieldText.h"
#include "platform/db/Query.h"
#include "platform/files/FileOps.h"
#include "platform/files/FolderFileName.h"
#include "platform/text/DateText.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"

namespace loans {

namespace {

// A number typed or scanned into a field that the look-ups use as a number: anything else is the
// standard conversion error, and no statement is run.
int typedNumber(const QString& field)
{
    return text::StrToInt(text::Trim(field));
}

// A picture of a folder by the name a row gives, else the folder's placeholder. A name that
// would leave its folder is no name.
void showFolderPicture(app::TFrmPrin& f, ui::Image& image, const QString& folder, const QString& name)
{
    const bool usable = files::folderFileExists(f.AppDir + folder, name);
    catalogue::showCoverFile(f, image, folder, usable ? name : catalogue::kNoPicture, catalogue::kNoPicture);
}

}  // namespace

void ClickLoanSearch(app::TFrmPrin& frm)
{
    frm.MovePointer(50, 500);
    frm.application().input().leftClick();
}

LoanScreen::LoanScreen(app::TFrmPrin& frm, const LoanControls& controls) : m_frm(frm), m_controls(controls)
{
    const LoanControls& c = m_controls;
    frm.handlers.bind(QStringLiteral("E1Click"), [this] { E1Click(); });
    frm.handlers.bind(QStringLiteral("ShowLoanScreen"), [this] { ShowLoanScreen(); });
    frm.handlers.bind(QStringLiteral("ClickLoanSearch"), [&frm] { ClickLoanSearch(frm); });
    for (ui::Edit* edit : {&c.code, &c.copyNumber}) {
        edit->onChange = [this] { Edit39Change(); };
        edit->onKeyPress = [this](QChar& key) { Edit39KeyPress(key); };
    }
    c.borrower.onKeyPress = [this](QChar& key) { Edit41KeyPress(key); };
    c.issue.onKeyPress = [this](QChar& key) { Edit100KeyPress(key); };
    c.search.onClick = [this] { Button41Click(); };
    c.cancel.onClick = [this] { Button39Click(); };
    c.applyPeriod.onClick = [this] { Button45Click(); };
    c.batch.onClick = [this] { CheckBox16Click(); };
    c.forgotNumber.onClick = [this] { Button42Click(); };
    c.findNumber.onClick = [this] { Button43Click(); };
    c.cancelFind.onClick = [this] { RestoreLoanScreenFields(); };
    c.coverSearch.onClick = [&frm] { frm.handlers.run(QStringLiteral("SpeedButton33Click")); };
    // The lists screen's pupils without a loan today.
    c.pupilsWithoutLoan.onClick = [&frm] { frm.handlers.run(QStringLiteral("SpeedButton57Click")); };
    // The voice comments' handlers, bound by name: they are the voice comments' own.
    const std::pair<ui::Image*, const char*> commentIcons[] = {{&c.playComment, "Image17Click"},
                                                               {&c.playCommentLit, "Image65Click"},
                                                               {&c.bookComment, "Image44Click"},
                                                               {&c.stopPlaying, "Image19Click"}};
    for (const auto& [icon, handler] : commentIcons) {
        const QString name = QString::fromLatin1(handler);
        icon->onClick = [&frm, name] { frm.handlers.run(name); };
    }
    // Keys that reach the focused "Emprunter" are swallowed; Enter still presses it.
    c.lend.onKeyPress = [](QChar&) {};
}

void LoanScreen::E1Click()
{
    open(true);
}

void LoanScreen::ShowLoanScreen()
{
    open(false);
}

void LoanScreen::open(bool hideComment)
{
    app::TFrmPrin& f = m_frm;
    const LoanControls& c = m_controls;
    c.notLendable.hide();
    clearTexts({&c.loanCount, &c.overdueCount});
    for (const char* name : {"Panel1", "Panel2", "Panel3", "Panel4", "Panel5", "Panel6", "Panel7", "Panel8", "Panel9",
                             "Panel12", "Panel13", "Panel15", "Panel16", "Panel17", "Panel18", "Panel21", "Panel25",
                             "Panel26"})
        f.setVisibleIfBuilt(QString::fromLatin1(name), false);
    c.issue.hide();
    c.cover.clearPicture();
    for (ui::Image* slot : c.stripCovers)
        slot->clearPicture();
    if (hideComment)
        c.bookComment.hide();
    clearTexts({&c.code, &c.borrower, &c.copyNumber});
    c.borrower.show();

    c.screen.setTop(44);
    c.screen.show();
    for (const char* name : {"Recherche", "Identification", "Liste"})
        f.setVisibleIfBuilt(QString::fromLatin1(name), false);

    c.code.show();
    c.code.setFocus();
    setShown({&c.title, &c.author, &c.genre, &c.place, &c.surname, &c.className, c.noPhoto[0], c.noPhoto[1],
              &c.bookBarcode, &c.cardBarcode, &c.lend, &c.findNumber, &c.cancelFind},
             false);
    setShown({&c.search, &c.cancel}, true);
    if (auto* returns = f.findPart<ReturnScreen>())
        returns->controls().search.show();

    ui::Input& input = f.application().input();
    if (input.capsLock()) {
        input.keyDown(ui::vk::Capital, true);
        input.keyUp(ui::vk::Capital, true);
    }
    c.returnDate.setText(text::shortDateText(f.application().clock().currentDateTime().date()));
    f.MovePointer(50, 520);

    db::Table& books = f.db.ADOTable1;
    books.setFilter(QStringLiteral("Type='LIVRE'"));
    books.setFiltered(true);
    books.open();
}

void LoanScreen::Edit39Change()
{
    app::TFrmPrin& f = m_frm;
    auto& code = m_controls.code;
    if (code.text() == kSwitchDeskWord) {
        f.handlers.run(QStringLiteral("ShowReturnScreen"));
        return;
    }
    if (code.text().size() < 13)
        return;
    code.setText(FixAzertyDigits(code.text()));
    auto& issue = m_controls.issue;
    if (catalogue::isPressCode(code.text())) {
        issue.show();
        issue.setFocus();
    } else {
        issue.hide();
        m_controls.borrower.setFocus();
    }
}

void LoanScreen::Edit39KeyPress(QChar& key)
{
    if (key != kEnter)
        return;
    app::TFrmPrin& f = m_frm;
    auto& code = m_controls.code;
    if (code.text() == kSwitchDeskWord) {
        f.handlers.run(QStringLiteral("ShowReturnScreen"));
        return;
    }
    code.setText(FixAzertyDigits(code.text()));
    auto& borrower = m_controls.borrower;
    if (isBorrowerCard(code.text())) {
        borrower.setText(withoutPrefix(code.text()));
        code.setText(QString());
        code.setFocus();
        return;
    }
    if (isCopyLabel(code.text())) {
        const QString rest = withoutPrefix(code.text());
        auto& copyNumber = m_controls.copyNumber;
        copyNumber.setText(rest);
        code.setText(QString());
        const CopyLabelResolution found = ResolveCopyLabel(f.db.ADOConnection1, rest);
        copyNumber.setText(found.copyNumber);
        if (found.reLabelled)
            borrower.setText(QString());
    }
    borrower.setFocus();
    const QString batchBorrower = m_controls.batchBorrower.text();
    if (m_controls.batch.checked() && text::ParseInt(batchBorrower)) {
        borrower.setText(batchBorrower);
        ClickLoanSearch(f);
    }
}

void LoanScreen::Edit41KeyPress(QChar& key)
{
    if (key != kEnter)
        return;
    app::TFrmPrin& f = m_frm;
    auto& borrower = m_controls.borrower;
    borrower.setText(withoutCardPrefix(borrower.text()));
    if (borrower.text().isEmpty())
        return;
    if (isTooLongForBorrower(borrower.text())) {
        f.application().showMessage(kTwoBooksInARow + borrower.text());
        borrower.setText(QString());
        return;
    }
    ClickLoanSearch(f);
}

void LoanScreen::Edit100KeyPress(QChar& key)
{
    if (key != kEnter)
        return;
    auto& issue = m_controls.issue;
    issue.setText(FixAzertyDigits(issue.text()));
    if (issue.text().size() >= 3)
        m_controls.borrower.setFocus();
}

void LoanScreen::computeReturnDate()
{
    const QString period = m_controls.period.text();
    m_returnDate = m_frm.application().clock().currentDateTime().date().addDays(app::loanPeriodDays(period));
    m_controls.returnDate.setText(text::shortDateText(m_returnDate));
}

void LoanScreen::Button45Click()
{
    computeReturnDate();
    m_controls.returnDate.setColor(ui::colors::skyBlue);
}

void LoanScreen::Button41Click()
{
    // Only a search that reaches the borrower sets who the next loan goes to.
    m_borrowerSet = false;
    if (searchBody()) {
        m_controls.search.hide();
        m_controls.cancel.show();
        auto& lend = m_controls.lend;
        lend.show();
        lend.setFocus();
        m_frm.MovePointer(350, 500);
    }
}

// The search, first of the copy by what was scanned or typed; true when the book and its borrower
// were found and a loan may follow.
bool LoanScreen::searchBody()
{
    app::TFrmPrin& f = m_frm;
    auto& code = m_controls.code;
    auto& copyNumber = m_controls.copyNumber;
    auto& borrower = m_controls.borrower;

    startSearch();
    if (code.text() == kSwitchDeskWord) {
        f.handlers.run(QStringLiteral("ShowReturnScreen"));
        return false;
    }
    normaliseScannedFields();
    const QString remembered = code.text();
    copyNumber.setText(FixAzertyDigits(copyNumber.text()));

    db::Query rows(f.db.ADOConnection1);
    int found = 0;
    if (!copyNumber.text().isEmpty() && code.text().isEmpty()) {
        rows.setSql(QStringLiteral("SELECT * FROM table1 WHERE NumLivre = ? ORDER BY NbrExemplaire"),
                    {typedNumber(copyNumber.text())});
        rows.open();
        found = rows.recordCount();
        if (found == 0) {
            f.ShowMessageEntry(140);
            borrower.setText(QString());
            return false;
        }
    }
    code.setText(withoutLeadingZeroOfSix(code.text()));
    borrower.setText(FixAzertyDigits(borrower.text()));

    if (code.text().isEmpty() && copyNumber.text().isEmpty() && !borrower.text().isEmpty()) {
        rows.setSql(QStringLiteral("SELECT * FROM table1 WHERE NumEmprunteur = ? ORDER BY DateRetour"),
                    {typedNumber(borrower.text())});
        rows.open();
        showBorrowerAlone(rows);
        return false;
    }
    if (!code.text().isEmpty() && code.text().size() <= 5 && copyNumber.text().isEmpty()) {
        rows.setSql(QStringLiteral("SELECT * FROM table1 WHERE Isbn13 = ? ORDER BY NbrExemplaire"),
                    {text::Trim(code.text())});
        rows.open();
        code.setText(rows.isEmpty() ? QString() : fieldText(rows, "Isbn13"));
        copyNumber.setText(rows.isEmpty() ? QString() : fieldText(rows, "NumLivre"));
        found = rows.recordCount();
    }
    if (found == 0) {
        if (code.text().isEmpty() && copyNumber.text().isEmpty()) {
            askForCode();
            return false;
        }
        code.setText(remembered);
    }
    normaliseBookCode();
    return findBookAndBorrower();
}

// The book by the code or copy number, then its borrower; true when both were found.
bool LoanScreen::findBookAndBorrower()
{
    app::TFrmPrin& f = m_frm;
    auto& code = m_controls.code;
    auto& copyNumber = m_controls.copyNumber;
    auto& borrower = m_controls.borrower;
    auto& issue = m_controls.issue;
    db::Query rows(f.db.ADOConnection1);

    if (catalogue::isPressCode(code.text())) {
        const bool leadingZero = issue.text().startsWith(u'0');
        issue.setText(NormaliseIssueNumber(issue.text(), true));
        if (leadingZero)
            borrower.setFocus();
        if (issue.text().isEmpty()) {
            issue.setColor(ui::colors::yellow);
            issue.show();
            issue.setFocus();
            return false;
        }
        rows.setSql(QStringLiteral("SELECT * FROM table1 WHERE Isbn13 = ? AND Isbn10 = ? ORDER BY NumLivre"),
                    {code.text(), text::Trim(issue.text())});
    } else if (!copyNumber.text().isEmpty() && code.text().isEmpty()) {
        rows.setSql(QStringLiteral("SELECT * FROM table1 WHERE NumLivre = ? ORDER BY NumLivre"),
                    {typedNumber(copyNumber.text())});
    } else {
        rows.setSql(QStringLiteral("SELECT * FROM table1 WHERE Isbn13 = ? ORDER BY NbrExemplaire"), {code.text()});
    }
    rows.open();
    rows.last();
    QString cover;
    bool lendable = true;
    auto& title = m_controls.title;
    takeBook(rows, true, cover, lendable);
    if (title.text().isEmpty() && code.text().size() < 5) {
        code.setText(padInternalCode(code.text()));
        rows.setSql(QStringLiteral("SELECT * FROM table1 WHERE Isbn13 = ? ORDER BY NbrExemplaire"), {code.text()});
        rows.open();
        rows.last();
        takeBook(rows, false, cover, lendable);
    }
    if (title.text().isEmpty())
        return notInCatalogue();

    if (!showFoundBook(cover, lendable))
        return false;
    ShowBorrowerLoans();
    if (borrower.text().isEmpty())
        return false;
    rows.setSql(QStringLiteral("SELECT * FROM Emprunteurs WHERE NumEmprunteur = ?"), {typedNumber(borrower.text())});
    rows.open();
    rows.last();
    return takeBorrower(rows);
}

void LoanScreen::startSearch()
{
    const LoanControls& c = m_controls;
    if (files::fileExists(m_frm.AppDir + QStringLiteral("Commentaires\\") + c.code.text() + QStringLiteral(".wav")))
        c.bookComment.show();
    c.notLendable.hide();
    if (c.period.text().isEmpty())
        c.period.setText(QStringLiteral("7 jours"));
    computeReturnDate();
}

void LoanScreen::normaliseScannedFields()
{
    auto& code = m_controls.code;
    auto& copyNumber = m_controls.copyNumber;
    auto& borrower = m_controls.borrower;
    code.setText(FixAzertyDigits(code.text()));
    QString codeText = code.text();
    QString copyText = copyNumber.text();
    moveCopyLabel(codeText, copyText);
    copyNumber.setText(copyText);
    code.setText(codeText);
    if (isBorrowerCard(borrower.text()))
        borrower.setText(QString::number(borrowerNumber(withoutPrefix(borrower.text()))));
    if (isTooLongForBorrower(borrower.text())) {
        m_frm.application().showMessage(kTwoBooksInARow + borrower.text());
        borrower.setText(QString());
    }
}

void LoanScreen::showBorrowerAlone(db::Query& rows)
{
    if (rows.isEmpty()) {
        m_frm.ShowMessageEntry(141);
        m_controls.borrower.setText(QString());
        return;
    }
    rows.last();
    if (showBorrowerFrom(rows, true))
        ShowBorrowerLoans();
    m_controls.code.setFocus();
}

void LoanScreen::askForCode()
{
    m_controls.code.setFocus();
    m_controls.code.setColor(ui::colors::yellow);
    m_controls.copyNumber.setColor(ui::colors::yellow);
}

void LoanScreen::normaliseBookCode()
{
    const LoanControls& c = m_controls;
    auto& code = c.code;
    code.setText(upcToEan13(code.text()));
    if (code.text().size() == 13)
        c.borrower.setFocus();
    setShown({c.noPhoto[0], c.noPhoto[1]}, false);
    code.setColor(ui::colors::window);
    c.copyNumber.setColor(ui::colors::window);
    code.setText(FixAzertyDigitsByChar(FixAzertyDigits(code.text())));
    setShown({&c.title, &c.author, &c.genre, &c.place, &c.bookBarcode, &c.cardBarcode}, true);
    if (!code.text().startsWith(QLatin1String("B0"))) {
        code.setText(KeepDigitsAndX(code.text()));
        if (code.text().size() == 10) {
            code.setText(catalogue::Isbn10To13(code.text()));
            c.bookBarcode.setText(catalogue::Ean13ToFontText(code.text()));
        }
    }
    code.setText(text::Trim(code.text()));
}

void LoanScreen::takeBook(db::Query& rows, bool full, QString& cover, bool& lendable)
{
    const LoanControls& c = m_controls;
    const bool any = !rows.isEmpty();
    c.title.setText(any ? fieldText(rows, "Titre") : QString());
    c.author.setText(any ? fieldText(rows, "Auteur") : QString());
    c.bookBarcode.setText(any ? fieldText(rows, "CodeBarres") : QString());
    cover = any ? text::Trim(fieldText(rows, "Images")) : QString();
    if (!full)
        return;
    c.genre.setText(any ? fieldText(rows, "Genre") : QString());
    c.place.setText(any ? fieldText(rows, "LieuRangement") : QString());
    c.copyNumber.setText(any ? fieldText(rows, "NumLivre") : QString());
    lendable = !any || rows.fieldByName(QStringLiteral("Empruntable")).asBoolean();
}

bool LoanScreen::showFoundBook(const QString& cover, bool lendable)
{
    const LoanControls& c = m_controls;
    showFolderPicture(m_frm, c.cover, catalogue::kCoversFolder, cover);
    c.cover.setBounds(QRect(500, 253, 355, 444));
    if (!lendable)
        c.notLendable.show();
    c.batchBorrower.setText(c.borrower.text());
    if (c.borrower.text().isEmpty()) {
        m_frm.ShowMessageEntry(139);
        return false;
    }
    return true;
}

bool LoanScreen::takeBorrower(db::Query& rows)
{
    if (rows.isEmpty() || fieldText(rows, "EmpNom").isEmpty()) {
        showBorrowerFrom(rows, false);
        return false;
    }
    const int number = text::StrToInt(fieldText(rows, "NumEmprunteur"));
    if (!showBorrowerFrom(rows, false))
        return false;
    m_borrowerNo = number;
    m_borrowerMail = fieldText(rows, "Mail");
    m_borrowerSet = true;
    m_controls.bookBarcode.show();
    auto& cardCode = m_controls.cardBarcode;
    cardCode.setText(m_controls.borrower.text());
    cardCode.show();
    return true;
}

// The borrower of the first row into the borrower fields, with the photo; false (and the fields
// emptied) when there is none.
bool LoanScreen::showBorrowerFrom(db::Query& rows, bool fromLoans)
{
    app::TFrmPrin& f = m_frm;
    const LoanControls& c = m_controls;
    auto& borrower = c.borrower;
    auto& surname = c.surname;
    auto& firstName = c.firstName;
    c.cardBarcode.setText(u'*' + borrower.text() + u'*');
    const bool any = !rows.isEmpty();
    if (any) {
        borrower.setText(fieldText(rows, "NumEmprunteur"));
        surname.setText(fieldText(rows, "EmpNom"));
        firstName.setText(fieldText(rows, "EmpPrenom"));
        c.className.setText(fieldText(rows, fromLoans ? "EmpClasse" : "Classe"));
        if (fromLoans)
            m_borrowerMail = fieldText(rows, "Photo_rangement");
        else if (!text::Trim(fieldText(rows, "NumINE")).isEmpty())
            borrower.setText(fieldText(rows, "NumINE"));
    }
    if (!any || surname.text().isEmpty()) {
        f.ShowMessageEntry(138);
        borrower.setText(QString());
        borrower.setFocus();
        hideBorrowerFields();
        return false;
    }
    setShown({&c.firstName, &c.surname, &c.className}, true);
    const bool hasPhoto = showBorrowerPhoto(f, c.photo, surname.text(), firstName.text());
    c.photo.setBounds(QRect(180, 575, 220, 165));
    setShown({c.noPhoto[0], c.noPhoto[1]}, !hasPhoto);
    return true;
}

void LoanScreen::hideBorrowerFields()
{
    const LoanControls& c = m_controls;
    for (ui::Edit* edit : {&c.firstName, &c.surname, &c.className}) {
        edit->setText(QString());
        edit->hide();
    }
    c.cardBarcode.hide();
}

bool LoanScreen::notInCatalogue()
{
    app::TFrmPrin& f = m_frm;
    const LoanControls& c = m_controls;
    auto& code = c.code;
    const auto answer = f.application().messageBox(f.tables.dialog(21), f.tables.dialog(22),
                                                   ui::MessageButtons::OkCancel, ui::MessageIcon::Warning);
    setShown({&c.title, &c.author, &c.genre, &c.place}, false);
    if (answer == ui::ModalResult::Ok && catalogue::isIsbn13Prefix(code.text())) {
        c.borrower.setFocus();
        if (auto* entry = f.findPart<catalogue::BookEntryScreen>())
            entry->OpenBookScreenWithCode();
        clearTexts({&c.title, &c.author, &c.firstName, &c.surname, &c.className});
        setShown({&c.firstName, &c.surname, &c.className, &c.bookBarcode, &c.cardBarcode}, false);
        return false;
    }
    code.setText(QString());
    code.setFocus();
    c.issue.setText(QString());
    c.borrower.setText(QString());
    return false;
}

void LoanScreen::ShowBorrowerLoans()
{
    app::TFrmPrin& f = m_frm;
    const LoanControls& c = m_controls;
    auto& borrower = c.borrower;
    borrower.setText(text::UpperCase(borrower.text()));
    const QString typed = borrower.text();
    if (typed.size() >= 3 && typed.front() >= u'A' && typed.front() <= u'Z') {
        db::Query names(f.db.ADOConnection1);
        names.setSql(QStringLiteral("SELECT * FROM Emprunteurs WHERE EmpNom >= ? ORDER BY EmpNom"), {text::Trim(typed)});
        names.open();
        borrower.setText(names.isEmpty() ? QString() : fieldText(names, "NumEmprunteur"));
    }
    borrower.setText(FixAzertyDigitsByChar(borrower.text()));
    if (text::Trim(borrower.text()).isEmpty()) {
        f.ShowMessageEntry(139);
        borrower.setFocus();
        borrower.setColor(ui::colors::yellow);
        return;
    }
    db::Query loans(f.db.ADOConnection1);
    loans.setSql(QStringLiteral("SELECT * FROM table1 WHERE NumEmprunteur = ? ORDER by DateRetour"),
                 {typedNumber(borrower.text())});
    loans.open();
    const QDate today = f.application().clock().currentDateTime().date();
    for (ui::Image* slot : c.stripCovers)
        slot->clearPicture();
    int count = 0;
    int overdue = 0;
    for (loans.first(); !loans.eof(); loans.next()) {
        const QDateTime due = loans.fieldByName(QStringLiteral("DateRetour")).asDateTime();
        if (count < int(c.stripCovers.size())) {
            ui::Image& slot = *c.stripCovers[size_t(count)];
            showFolderPicture(f, slot, catalogue::kCoversFolder, text::Trim(fieldText(loans, "Images").left(30)));
            slot.setHint(fieldText(loans, "Titre").left(50));
        }
        ++count;
        if (!fieldText(loans, "DateRetour").isEmpty() && today > due.date())
            ++overdue;
    }
    c.loanCount.setText(QString::number(count));
    c.overdueCount.setText(QString::number(overdue));
    setShown({&c.firstName, &c.surname, &c.className}, true);
    borrower.setColor(ui::colors::window);
}

void LoanScreen::clearPictures()
{
    m_controls.cover.clearPicture();
    m_controls.photo.clearPicture();
    for (ui::Image* slot : m_controls.stripCovers)
        slot->clearPicture();
}

void LoanScreen::Button39Click()
{
    const LoanControls& c = m_controls;
    m_borrowerSet = false;
    c.code.setFocus();
    clearTexts({&c.code, &c.issue, &c.title, &c.author, &c.borrower, &c.firstName, &c.surname, &c.className,
                &c.copyNumber});
    setShown({&c.title, &c.author, &c.genre, &c.place, &c.firstName, &c.surname, &c.className, c.noPhoto[0],
              &c.notLendable, c.noPhoto[1], &c.bookBarcode, &c.cardBarcode, &c.issue, &c.lend},
             false);
    clearPictures();
    c.cancel.show();
    c.search.show();
    c.returnDate.setColor(ui::colors::window);
}

void LoanScreen::CheckBox16Click()
{
    const LoanControls& c = m_controls;
    if (c.batch.checked()) {
        m_frm.application().showMessage(QStringLiteral("Autorise l'emprunt de plusieurs livres par le même emprunteur, "
                                                       "pour aller plus vite scanner 2 X pour valider"));
        return;
    }
    clearTexts({&c.borrower, &c.batchBorrower});
    setShown({&c.firstName, &c.surname, &c.className}, false);
}

void LoanScreen::Button42Click()
{
    const LoanControls& c = m_controls;
    m_borrowerSet = false;
    setShown({&c.code, &c.title, &c.author, &c.genre, &c.place, &c.borrower, &c.bookBarcode, &c.codeLabel,
              &c.titleLabel, &c.borrowerLabel, &c.classLabel, &c.lend, &c.search, &c.forgotNumber, &c.cover},
             false);
    clearTexts({&c.firstName, &c.surname, &c.className});
    setShown({&c.firstName, &c.surname}, true);
    c.className.hide();
    c.surname.setFocus();
    setShown({&c.cancel, &c.findNumber, &c.cancelFind}, true);
    c.photo.clearPicture();
}

void LoanScreen::Button43Click()
{
    app::TFrmPrin& f = m_frm;
    const LoanControls& c = m_controls;
    const QString surname = c.surname.text();
    const QString firstName = c.firstName.text();
    if (surname.isEmpty() && firstName.isEmpty()) {
        RestoreLoanScreenFields();
        return;
    }
    db::Query matches(f.db.ADOConnection1);
    if (firstName.isEmpty()) {
        matches.setSql(QStringLiteral("SELECT * FROM Emprunteurs WHERE EmpNom LIKE ? ORDER BY NumEmprunteur"),
                       {text::UpperCase(surname) + u'%'});
    } else {
        matches.setSql(
            QStringLiteral("SELECT * FROM Emprunteurs WHERE EmpNom LIKE ? AND EmpPrenom LIKE ? ORDER BY NumEmprunteur"),
            {text::UpperCase(surname) + u'%', text::Trim(firstName) + u'%'});
    }
    matches.open();
    matches.last();
    // The names found go on screen; the borrower the loan goes to is set by the search that follows.
    const bool any = !matches.isEmpty();
    c.borrower.setText(any ? fieldText(matches, "NumEmprunteur") : QString());
    c.surname.setText(any ? fieldText(matches, "EmpNom") : QString());
    c.firstName.setText(any ? fieldText(matches, "EmpPrenom") : QString());
    c.className.setText(any ? fieldText(matches, "Classe") : QString());
    showBorrowerPhoto(f, c.photo, fieldText(matches, "EmpNom"), fieldText(matches, "EmpPrenom"));
    RestoreLoanScreenFields();
    c.lend.hide();
    c.code.setFocus();
}

void LoanScreen::RestoreLoanScreenFields()
{
    const LoanControls& c = m_controls;
    setShown({&c.code, &c.title, &c.borrower, &c.firstName, &c.surname, &c.className, &c.bookBarcode, &c.codeLabel,
              &c.titleLabel, &c.borrowerLabel, &c.classLabel, &c.cancel, &c.search, &c.forgotNumber, &c.cover},
             true);
    // "Emprunter" waits for a search: only a search sets the borrower the loan goes to.
    c.lend.setVisible(m_borrowerSet);
    setShown({&c.author, &c.genre, &c.place, &c.findNumber, &c.cancelFind, &c.issue}, false);
}

}  // namespace loans
