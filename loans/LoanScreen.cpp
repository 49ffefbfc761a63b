#include "loans/LoanScreen.h"

#include "app/FrmPrin.h"
#include "app/JournalReplay.h"
#include "app/TextRoutines.h"
#include "catalogue/BookCodes.h"
#include "catalogue/BookEntryScreen.h"
#include "catalogue/Ean13FontText.h"
#include "catalogue/IsbnConversions.h"
#include "loans/BorrowerPhoto.h"
#include "loans/LoanLayout.h"
#include "loans/RowText.h"
#include "loans/ScannedCode.h"
#include "platform/db/Query.h"
#include "platform/files/FileOps.h"
#include "platform/files/FolderFileName.h"
#include "platform/text/DateText.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Keys.h"

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

LoanScreen::LoanScreen(app::TFrmPrin& frm) : m_frm(frm)
{
    frm.handlers.bind(QStringLiteral("E1Click"), [this] { E1Click(); });
    frm.handlers.bind(QStringLiteral("ShowLoanScreen"), [this] { ShowLoanScreen(); });
    frm.handlers.bind(QStringLiteral("ClickLoanSearch"), [&frm] { ClickLoanSearch(frm); });
    for (const char* name : {"Edit39", "Edit133"}) {
        auto& edit = frm.get<ui::CustomEdit>(QString::fromLatin1(name));
        edit.onChange = [this] { Edit39Change(); };
        edit.onKeyPress = [this](QChar& key) { Edit39KeyPress(key); };
    }
    frm.get<ui::CustomEdit>(QStringLiteral("Edit41")).onKeyPress = [this](QChar& key) { Edit41KeyPress(key); };
    frm.get<ui::CustomEdit>(QStringLiteral("Edit100")).onKeyPress = [this](QChar& key) { Edit100KeyPress(key); };
    frm.get<ui::Control>(QStringLiteral("Button41")).onClick = [this] { Button41Click(); };
    frm.get<ui::Control>(QStringLiteral("Button39")).onClick = [this] { Button39Click(); };
    frm.get<ui::Control>(QStringLiteral("Button45")).onClick = [this] { Button45Click(); };
    frm.get<ui::Control>(QStringLiteral("CheckBox16")).onClick = [this] { CheckBox16Click(); };
    frm.get<ui::Control>(QStringLiteral("Button42")).onClick = [this] { Button42Click(); };
    frm.get<ui::Control>(QStringLiteral("Button43")).onClick = [this] { Button43Click(); };
    frm.get<ui::Control>(QStringLiteral("Button44")).onClick = [this] { RestoreLoanScreenFields(); };
    frm.get<ui::Control>(QStringLiteral("Button11")).onClick = [&frm] { frm.handlers.run(QStringLiteral("SpeedButton33Click")); };
    // The lists screen's pupils without a loan today.
    frm.get<ui::Control>(QStringLiteral("SpeedButton57")).onClick = [&frm] {
        frm.handlers.run(QStringLiteral("SpeedButton57Click"));
    };
    // The voice comments' handlers, bound by name: they are the voice comments' own.
    const std::pair<const char*, const char*> commentIcons[] = {
        {"Image55", "Image17Click"}, {"Image65", "Image65Click"}, {"Image44", "Image44Click"}, {"Image56", "Image19Click"}};
    for (const auto& [icon, handler] : commentIcons) {
        const QString name = QString::fromLatin1(handler);
        frm.get<ui::Control>(QString::fromLatin1(icon)).onClick = [&frm, name] { frm.handlers.run(name); };
    }
    // Keys that reach the focused "Emprunter" are swallowed; Enter still presses it.
    frm.get<ui::WinControl>(QStringLiteral("Button40")).onKeyPress = [](QChar&) {};
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
    f.get<ui::Control>(QStringLiteral("Image109")).hide();
    for (const char* name : {"Edit111", "Edit112"})
        f.get<ui::CustomEdit>(QString::fromLatin1(name)).setText(QString());
    for (const char* name : {"Panel1", "Panel2", "Panel3", "Panel4", "Panel5", "Panel6", "Panel7", "Panel8", "Panel9",
                             "Panel12", "Panel13", "Panel15", "Panel16", "Panel17", "Panel18", "Panel21", "Panel25",
                             "Panel26"})
        f.setVisibleIfBuilt(QString::fromLatin1(name), false);
    f.get<ui::Control>(QStringLiteral("Edit100")).hide();
    f.get<ui::Image>(QStringLiteral("Image31")).clearPicture();
    for (const char* slot : kLoanStripSlots)
        f.get<ui::Image>(QString::fromLatin1(slot)).clearPicture();
    if (hideComment)
        f.get<ui::Control>(QStringLiteral("Image44")).hide();
    for (const char* name : {"Edit39", "Edit41", "Edit133"})
        f.get<ui::CustomEdit>(QString::fromLatin1(name)).setText(QString());
    f.get<ui::Control>(QStringLiteral("Edit41")).show();

    auto& screen = f.get<ui::Control>(QStringLiteral("Panel14"));
    screen.setTop(44);
    screen.show();
    for (const char* name : {"Recherche", "Identification", "Liste"})
        f.setVisibleIfBuilt(QString::fromLatin1(name), false);

    auto& code = f.get<ui::WinControl>(QStringLiteral("Edit39"));
    code.show();
    code.setFocus();
    for (const char* name : {"Edit40", "Edit136", "Edit138", "Edit139", "Edit43", "Edit44", "Image33", "Image34",
                             "Edit45", "Edit47", "Button40", "Button43", "Button44"})
        f.get<ui::Control>(QString::fromLatin1(name)).hide();
    for (const char* name : {"Button41", "Button39"})
        f.get<ui::Control>(QString::fromLatin1(name)).show();
    f.setVisibleIfBuilt(QStringLiteral("Button46"), true);

    ui::Input& input = f.application().input();
    if (input.capsLock()) {
        input.keyDown(ui::vk::Capital, true);
        input.keyUp(ui::vk::Capital, true);
    }
    f.get<ui::CustomEdit>(QStringLiteral("Edit46")).setText(text::shortDateText(f.application().clock().currentDateTime().date()));
    f.MovePointer(50, 520);

    db::Table& books = f.db.ADOTable1;
    books.setFilter(QStringLiteral("Type='LIVRE'"));
    books.setFiltered(true);
    books.open();
}

void LoanScreen::Edit39Change()
{
    app::TFrmPrin& f = m_frm;
    auto& code = f.get<ui::CustomEdit>(QStringLiteral("Edit39"));
    if (code.text() == kSwitchDeskWord) {
        f.handlers.run(QStringLiteral("ShowReturnScreen"));
        return;
    }
    if (code.text().size() < 13)
        return;
    code.setText(FixAzertyDigits(code.text()));
    auto& issue = f.get<ui::CustomEdit>(QStringLiteral("Edit100"));
    if (catalogue::isPressCode(code.text())) {
        issue.show();
        issue.setFocus();
    } else {
        issue.hide();
        f.get<ui::WinControl>(QStringLiteral("Edit41")).setFocus();
    }
}

void LoanScreen::Edit39KeyPress(QChar& key)
{
    if (key != kEnter)
        return;
    app::TFrmPrin& f = m_frm;
    auto& code = f.get<ui::CustomEdit>(QStringLiteral("Edit39"));
    if (code.text() == kSwitchDeskWord) {
        f.handlers.run(QStringLiteral("ShowReturnScreen"));
        return;
    }
    code.setText(FixAzertyDigits(code.text()));
    auto& borrower = f.get<ui::CustomEdit>(QStringLiteral("Edit41"));
    if (isBorrowerCard(code.text())) {
        borrower.setText(withoutPrefix(code.text()));
        code.setText(QString());
        code.setFocus();
        return;
    }
    if (isCopyLabel(code.text())) {
        const QString rest = withoutPrefix(code.text());
        auto& copyNumber = f.get<ui::CustomEdit>(QStringLiteral("Edit133"));
        copyNumber.setText(rest);
        code.setText(QString());
        const CopyLabelResolution found = ResolveCopyLabel(f.db.ADOConnection1, rest);
        copyNumber.setText(found.copyNumber);
        if (found.reLabelled)
            borrower.setText(QString());
    }
    borrower.setFocus();
    const QString batchBorrower = f.get<ui::CustomEdit>(QStringLiteral("Edit156")).text();
    if (f.get<ui::CheckBox>(QStringLiteral("CheckBox16")).checked() && text::ParseInt(batchBorrower)) {
        borrower.setText(batchBorrower);
        ClickLoanSearch(f);
    }
}

void LoanScreen::Edit41KeyPress(QChar& key)
{
    if (key != kEnter)
        return;
    app::TFrmPrin& f = m_frm;
    auto& borrower = f.get<ui::CustomEdit>(QStringLiteral("Edit41"));
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
    auto& issue = m_frm.get<ui::CustomEdit>(QStringLiteral("Edit100"));
    issue.setText(FixAzertyDigits(issue.text()));
    if (issue.text().size() >= 3)
        m_frm.get<ui::WinControl>(QStringLiteral("Edit41")).setFocus();
}

void LoanScreen::computeReturnDate()
{
    const QString period = m_frm.get<ui::ComboBox>(QStringLiteral("ComboBox7")).text();
    m_returnDate = m_frm.application().clock().currentDateTime().date().addDays(app::loanPeriodDays(period));
    m_frm.get<ui::CustomEdit>(QStringLiteral("Edit46")).setText(text::shortDateText(m_returnDate));
}

void LoanScreen::Button45Click()
{
    computeReturnDate();
    m_frm.get<ui::CustomEdit>(QStringLiteral("Edit46")).setColor(ui::colors::skyBlue);
}

void LoanScreen::Button41Click()
{
    // Only a search that reaches the borrower sets who the next loan goes to.
    m_borrowerSet = false;
    if (searchBody()) {
        app::TFrmPrin& f = m_frm;
        f.get<ui::Control>(QStringLiteral("Button41")).hide();
        f.get<ui::Control>(QStringLiteral("Button39")).show();
        auto& lend = f.get<ui::WinControl>(QStringLiteral("Button40"));
        lend.show();
        lend.setFocus();
        f.MovePointer(350, 500);
    }
}

// The search; true when the book and its borrower were found and a loan may follow.
bool LoanScreen::searchBody()
{
    app::TFrmPrin& f = m_frm;
    auto& code = f.get<ui::CustomEdit>(QStringLiteral("Edit39"));
    auto& copyNumber = f.get<ui::CustomEdit>(QStringLiteral("Edit133"));
    auto& borrower = f.get<ui::CustomEdit>(QStringLiteral("Edit41"));
    auto& issue = f.get<ui::CustomEdit>(QStringLiteral("Edit100"));

    if (files::fileExists(f.AppDir + QStringLiteral("Commentaires\\") + code.text() + QStringLiteral(".wav")))
        f.get<ui::Control>(QStringLiteral("Image44")).show();
    f.get<ui::Control>(QStringLiteral("Image109")).hide();
    auto& period = f.get<ui::ComboBox>(QStringLiteral("ComboBox7"));
    if (period.text().isEmpty())
        period.setText(QStringLiteral("7 jours"));
    computeReturnDate();
    if (code.text() == kSwitchDeskWord) {
        f.handlers.run(QStringLiteral("ShowReturnScreen"));
        return false;
    }
    code.setText(FixAzertyDigits(code.text()));
    QString codeText = code.text();
    QString copyText = copyNumber.text();
    moveCopyLabel(codeText, copyText);
    copyNumber.setText(copyText);
    code.setText(codeText);
    if (isBorrowerCard(borrower.text()))
        borrower.setText(QString::number(borrowerNumber(withoutPrefix(borrower.text()))));
    if (isTooLongForBorrower(borrower.text())) {
        f.application().showMessage(kTwoBooksInARow + borrower.text());
        borrower.setText(QString());
    }
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
        if (rows.isEmpty()) {
            f.ShowMessageEntry(141);
            borrower.setText(QString());
            return false;
        }
        rows.last();
        if (showBorrowerFrom(rows, true))
            ShowBorrowerLoans();
        code.setFocus();
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
            code.setFocus();
            code.setColor(ui::colors::yellow);
            copyNumber.setColor(ui::colors::yellow);
            return false;
        }
        code.setText(remembered);
    }
    code.setText(upcToEan13(code.text()));
    if (code.text().size() == 13)
        borrower.setFocus();
    f.get<ui::Control>(QStringLiteral("Image33")).hide();
    f.get<ui::Control>(QStringLiteral("Image34")).hide();
    code.setColor(ui::colors::window);
    copyNumber.setColor(ui::colors::window);
    code.setText(FixAzertyDigitsByChar(FixAzertyDigits(code.text())));
    for (const char* name : {"Edit40", "Edit136", "Edit138", "Edit139", "Edit45", "Edit47"})
        f.get<ui::Control>(QString::fromLatin1(name)).show();
    auto& barcode = f.get<ui::CustomEdit>(QStringLiteral("Edit45"));
    if (!code.text().startsWith(QLatin1String("B0"))) {
        code.setText(KeepDigitsAndX(code.text()));
        if (code.text().size() == 10) {
            code.setText(catalogue::Isbn10To13(code.text()));
            barcode.setText(catalogue::Ean13ToFontText(code.text()));
        }
    }
    code.setText(text::Trim(code.text()));

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
    auto& title = f.get<ui::CustomEdit>(QStringLiteral("Edit40"));
    auto takeBook = [&](bool full) {
        const bool any = !rows.isEmpty();
        title.setText(any ? fieldText(rows, "Titre") : QString());
        f.get<ui::CustomEdit>(QStringLiteral("Edit136")).setText(any ? fieldText(rows, "Auteur") : QString());
        barcode.setText(any ? fieldText(rows, "CodeBarres") : QString());
        cover = any ? text::Trim(fieldText(rows, "Images")) : QString();
        if (!full)
            return;
        f.get<ui::CustomEdit>(QStringLiteral("Edit138")).setText(any ? fieldText(rows, "Genre") : QString());
        f.get<ui::CustomEdit>(QStringLiteral("Edit139")).setText(any ? fieldText(rows, "LieuRangement") : QString());
        copyNumber.setText(any ? fieldText(rows, "NumLivre") : QString());
        lendable = !any || rows.fieldByName(QStringLiteral("Empruntable")).asBoolean();
    };
    takeBook(true);
    if (title.text().isEmpty() && code.text().size() < 5) {
        code.setText(padInternalCode(code.text()));
        rows.setSql(QStringLiteral("SELECT * FROM table1 WHERE Isbn13 = ? ORDER BY NbrExemplaire"), {code.text()});
        rows.open();
        rows.last();
        takeBook(false);
    }
    if (title.text().isEmpty())
        return notInCatalogue();

    showFolderPicture(f, f.get<ui::Image>(QStringLiteral("Image31")), catalogue::kCoversFolder, cover);
    f.get<ui::Image>(QStringLiteral("Image31")).setBounds(QRect(500, 253, 355, 444));
    if (!lendable)
        f.get<ui::Control>(QStringLiteral("Image109")).show();
    f.get<ui::CustomEdit>(QStringLiteral("Edit156")).setText(borrower.text());
    if (borrower.text().isEmpty()) {
        f.ShowMessageEntry(139);
        return false;
    }
    ShowBorrowerLoans();
    if (borrower.text().isEmpty())
        return false;
    rows.setSql(QStringLiteral("SELECT * FROM Emprunteurs WHERE NumEmprunteur = ?"), {typedNumber(borrower.text())});
    rows.open();
    rows.last();
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
    barcode.show();
    auto& cardCode = f.get<ui::CustomEdit>(QStringLiteral("Edit47"));
    cardCode.setText(borrower.text());
    cardCode.show();
    return true;
}

// The borrower of the first row into the borrower fields, with the photo; false (and the fields
// emptied) when there is none.
bool LoanScreen::showBorrowerFrom(db::Query& rows, bool fromLoans)
{
    app::TFrmPrin& f = m_frm;
    auto& borrower = f.get<ui::CustomEdit>(QStringLiteral("Edit41"));
    auto& surname = f.get<ui::CustomEdit>(QStringLiteral("Edit43"));
    auto& firstName = f.get<ui::CustomEdit>(QStringLiteral("Edit42"));
    auto& className = f.get<ui::CustomEdit>(QStringLiteral("Edit44"));
    f.get<ui::CustomEdit>(QStringLiteral("Edit47")).setText(u'*' + borrower.text() + u'*');
    const bool any = !rows.isEmpty();
    if (any) {
        borrower.setText(fieldText(rows, "NumEmprunteur"));
        surname.setText(fieldText(rows, "EmpNom"));
        firstName.setText(fieldText(rows, "EmpPrenom"));
        className.setText(fieldText(rows, fromLoans ? "EmpClasse" : "Classe"));
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
    for (const char* name : {"Edit42", "Edit43", "Edit44"})
        f.get<ui::Control>(QString::fromLatin1(name)).show();
    auto& photo = f.get<ui::Image>(QStringLiteral("Image32"));
    const bool hasPhoto = showBorrowerPhoto(f, photo, surname.text(), firstName.text());
    photo.setBounds(QRect(180, 575, 220, 165));
    f.get<ui::Control>(QStringLiteral("Image33")).setVisible(!hasPhoto);
    f.get<ui::Control>(QStringLiteral("Image34")).setVisible(!hasPhoto);
    return true;
}

void LoanScreen::hideBorrowerFields()
{
    for (const char* name : {"Edit42", "Edit43", "Edit44"}) {
        auto& edit = m_frm.get<ui::CustomEdit>(QString::fromLatin1(name));
        edit.setText(QString());
        edit.hide();
    }
    m_frm.get<ui::Control>(QStringLiteral("Edit47")).hide();
}

bool LoanScreen::notInCatalogue()
{
    app::TFrmPrin& f = m_frm;
    auto& code = f.get<ui::CustomEdit>(QStringLiteral("Edit39"));
    const auto answer = f.application().messageBox(f.tables.dialog(21), f.tables.dialog(22),
                                                   ui::MessageButtons::OkCancel, ui::MessageIcon::Warning);
    for (const char* name : {"Edit40", "Edit136", "Edit138", "Edit139"})
        f.get<ui::Control>(QString::fromLatin1(name)).hide();
    if (answer == ui::ModalResult::Ok && catalogue::isIsbn13Prefix(code.text())) {
        f.get<ui::WinControl>(QStringLiteral("Edit41")).setFocus();
        if (auto* entry = f.findPart<catalogue::BookEntryScreen>())
            entry->OpenBookScreenWithCode();
        for (const char* name : {"Edit40", "Edit136", "Edit42", "Edit43", "Edit44"})
            f.get<ui::CustomEdit>(QString::fromLatin1(name)).setText(QString());
        for (const char* name : {"Edit42", "Edit43", "Edit44", "Edit45", "Edit47"})
            f.get<ui::Control>(QString::fromLatin1(name)).hide();
        return false;
    }
    code.setText(QString());
    code.setFocus();
    f.get<ui::CustomEdit>(QStringLiteral("Edit100")).setText(QString());
    f.get<ui::CustomEdit>(QStringLiteral("Edit41")).setText(QString());
    return false;
}

void LoanScreen::ShowBorrowerLoans()
{
    app::TFrmPrin& f = m_frm;
    auto& borrower = f.get<ui::CustomEdit>(QStringLiteral("Edit41"));
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
    for (const char* slot : kLoanStripSlots)
        f.get<ui::Image>(QString::fromLatin1(slot)).clearPicture();
    int count = 0;
    int overdue = 0;
    for (loans.first(); !loans.eof(); loans.next()) {
        const QDateTime due = loans.fieldByName(QStringLiteral("DateRetour")).asDateTime();
        if (count < 4) {
            auto& slot = f.get<ui::Image>(QString::fromLatin1(kLoanStripSlots[count]));
            showFolderPicture(f, slot, catalogue::kCoversFolder, text::Trim(fieldText(loans, "Images").left(30)));
            slot.setHint(fieldText(loans, "Titre").left(50));
        }
        ++count;
        if (!fieldText(loans, "DateRetour").isEmpty() && today > due.date())
            ++overdue;
    }
    f.get<ui::CustomEdit>(QStringLiteral("Edit111")).setText(QString::number(count));
    f.get<ui::CustomEdit>(QStringLiteral("Edit112")).setText(QString::number(overdue));
    for (const char* name : {"Edit42", "Edit43", "Edit44"})
        f.get<ui::Control>(QString::fromLatin1(name)).show();
    borrower.setColor(ui::colors::window);
}

void LoanScreen::clearPictures()
{
    for (const char* name : {"Image31", "Image32", "Image105", "Image106", "Image107", "Image108"})
        m_frm.get<ui::Image>(QString::fromLatin1(name)).clearPicture();
}

void LoanScreen::Button39Click()
{
    app::TFrmPrin& f = m_frm;
    m_borrowerSet = false;
    f.get<ui::WinControl>(QStringLiteral("Edit39")).setFocus();
    for (const char* name : {"Edit39", "Edit100", "Edit40", "Edit136", "Edit41", "Edit42", "Edit43", "Edit44", "Edit133"})
        f.get<ui::CustomEdit>(QString::fromLatin1(name)).setText(QString());
    for (const char* name : {"Edit40", "Edit136", "Edit138", "Edit139", "Edit42", "Edit43", "Edit44", "Image33",
                             "Image109", "Image34", "Edit45", "Edit47", "Edit100", "Button40"})
        f.get<ui::Control>(QString::fromLatin1(name)).hide();
    clearPictures();
    f.get<ui::Control>(QStringLiteral("Button39")).show();
    f.get<ui::Control>(QStringLiteral("Button41")).show();
    f.get<ui::CustomEdit>(QStringLiteral("Edit46")).setColor(ui::colors::window);
}

void LoanScreen::CheckBox16Click()
{
    app::TFrmPrin& f = m_frm;
    if (f.get<ui::CheckBox>(QStringLiteral("CheckBox16")).checked()) {
        f.application().showMessage(QStringLiteral("Autorise l'emprunt de plusieurs livres par le même emprunteur, "
                                                   "pour aller plus vite scanner 2 X pour valider"));
        return;
    }
    for (const char* name : {"Edit41", "Edit156"})
        f.get<ui::CustomEdit>(QString::fromLatin1(name)).setText(QString());
    for (const char* name : {"Edit42", "Edit43", "Edit44"})
        f.get<ui::Control>(QString::fromLatin1(name)).hide();
}

void LoanScreen::Button42Click()
{
    app::TFrmPrin& f = m_frm;
    m_borrowerSet = false;
    for (const char* name : {"Edit39", "Edit40", "Edit136", "Edit138", "Edit139", "Edit41", "Edit45", "Label81",
                             "Label82", "Label83", "Label87", "Button40", "Button41", "Button42", "Image31"})
        f.get<ui::Control>(QString::fromLatin1(name)).hide();
    for (const char* name : {"Edit42", "Edit43", "Edit44"}) {
        auto& edit = f.get<ui::CustomEdit>(QString::fromLatin1(name));
        edit.setText(QString());
        edit.setVisible(name != std::string_view("Edit44"));
    }
    f.get<ui::WinControl>(QStringLiteral("Edit43")).setFocus();
    for (const char* name : {"Button39", "Button43", "Button44"})
        f.get<ui::Control>(QString::fromLatin1(name)).show();
    f.get<ui::Image>(QStringLiteral("Image32")).clearPicture();
}

void LoanScreen::Button43Click()
{
    app::TFrmPrin& f = m_frm;
    const QString surname = f.get<ui::CustomEdit>(QStringLiteral("Edit43")).text();
    const QString firstName = f.get<ui::CustomEdit>(QStringLiteral("Edit42")).text();
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
    f.get<ui::CustomEdit>(QStringLiteral("Edit41")).setText(any ? fieldText(matches, "NumEmprunteur") : QString());
    f.get<ui::CustomEdit>(QStringLiteral("Edit43")).setText(any ? fieldText(matches, "EmpNom") : QString());
    f.get<ui::CustomEdit>(QStringLiteral("Edit42")).setText(any ? fieldText(matches, "EmpPrenom") : QString());
    f.get<ui::CustomEdit>(QStringLiteral("Edit44")).setText(any ? fieldText(matches, "Classe") : QString());
    showBorrowerPhoto(f, f.get<ui::Image>(QStringLiteral("Image32")), fieldText(matches, "EmpNom"),
                      fieldText(matches, "EmpPrenom"));
    RestoreLoanScreenFields();
    f.get<ui::Control>(QStringLiteral("Button40")).hide();
    f.get<ui::WinControl>(QStringLiteral("Edit39")).setFocus();
}

void LoanScreen::RestoreLoanScreenFields()
{
    app::TFrmPrin& f = m_frm;
    for (const char* name : {"Edit39", "Edit40", "Edit41", "Edit42", "Edit43", "Edit44", "Edit45", "Label81", "Label82",
                             "Label83", "Label87", "Button39", "Button41", "Button42", "Image31"})
        f.get<ui::Control>(QString::fromLatin1(name)).show();
    // "Emprunter" waits for a search: only a search sets the borrower the loan goes to.
    f.get<ui::Control>(QStringLiteral("Button40")).setVisible(m_borrowerSet);
    for (const char* name : {"Edit136", "Edit138", "Edit139", "Button43", "Button44", "Edit100"})
        f.get<ui::Control>(QString::fromLatin1(name)).hide();
}

}  // namespace loans
