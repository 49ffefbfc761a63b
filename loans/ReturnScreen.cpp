#include "loans/ReturnScreen.h"

#include "app/FrmPrin.h"
#include "app/TextRoutines.h"
#include "catalogue/BookCodes.h"
#include "catalogue/IsbnConversions.h"
#include "loans/ReturnCandidates.h"
#include "loans/ReturnLayout.h"
#include "loans/BorrowerPhoto.h"
#include "loans/ReturnPictures.h"
#include "loans/ScannedCode.h"
#include "platform/db/Query.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Keys.h"

namespace loans {

namespace {

// Labels and fields of a found loan; the screen waiting for a code shows only the borrower's.
constexpr const char* kResultControls[] = {"Label92", "Label93", "Label94", "Label95", "Label212", "Label214",
                                           "Edit50",  "Edit51",  "Edit52",  "Edit53",  "Edit135",  "Edit137",
                                           "Edit140", "Edit132", "Label207"};

}  // namespace

void ClickReturnSearch(app::TFrmPrin& frm)
{
    frm.MovePointer(70, 550);
    frm.application().input().leftClick();
}

ReturnScreen::ReturnScreen(app::TFrmPrin& frm, ReturnCandidates& candidates) : m_frm(frm), m_candidates(candidates)
{
    frm.handlers.bind(QStringLiteral("Rendre1Click"), [this] { ShowReturnScreen(); });
    frm.handlers.bind(QStringLiteral("ShowReturnScreen"), [this] { ShowReturnScreen(); });
    frm.handlers.bind(QStringLiteral("ClickReturnSearch"), [&frm] { ClickReturnSearch(frm); });
    for (const char* name : {"Edit48", "Edit134"}) {
        auto& edit = frm.get<ui::CustomEdit>(QString::fromLatin1(name));
        edit.onChange = [this] { Edit48Change(); };
        edit.onKeyPress = [this](QChar& key) { Edit48KeyPress(key); };
    }
    frm.get<ui::CustomEdit>(QStringLiteral("Edit49")).onKeyPress = [this](QChar& key) { Edit49KeyPress(key); };
    frm.get<ui::CustomEdit>(QStringLiteral("Edit101")).onKeyPress = [this](QChar& key) { Edit101KeyPress(key); };
    frm.get<ui::Control>(QStringLiteral("Button49")).onClick = [this] { Button49Click(); };
    frm.get<ui::Control>(QStringLiteral("Button24")).onClick = [&frm] { frm.handlers.run(QStringLiteral("SpeedButton33Click")); };
}

void ReturnScreen::ShowReturnScreen()
{
    app::TFrmPrin& f = m_frm;
    f.get<ui::Control>(QStringLiteral("Panel23")).hide();
    for (const char* name : {"Panel1", "Panel2", "Panel3", "Panel4", "Panel5", "Panel6", "Panel7", "Panel8", "Panel9",
                             "Panel12", "Panel13", "Panel14", "Panel16", "Panel17", "Panel18", "Panel21", "Panel25",
                             "Panel26"})
        f.setVisibleIfBuilt(QString::fromLatin1(name), false);
    f.get<ui::Control>(QStringLiteral("Edit101")).hide();
    for (const char* name : kReturnBookFields)
        f.get<ui::CustomEdit>(QString::fromLatin1(name)).setText(QString());
    f.get<ui::CustomEdit>(QStringLiteral("Edit49")).setText(QString());
    f.get<ui::CustomEdit>(QStringLiteral("Edit134")).setText(QString());
    for (const char* slot : kReturnStripSlots)
        f.get<ui::Image>(QString::fromLatin1(slot)).clearPicture();
    for (const char* slot : kReturnPhotoSlots)
        f.get<ui::Image>(QString::fromLatin1(slot)).clearPicture();
    f.get<ui::CustomEdit>(QStringLiteral("Edit48")).setText(QString());

    auto& screen = f.get<ui::Control>(QStringLiteral("Panel15"));
    screen.setTop(44);
    screen.show();
    for (const char* name : {"Recherche", "Liste", "Identification"})
        f.setVisibleIfBuilt(QString::fromLatin1(name), false);

    hideResultFields();
    auto& borrower = f.get<ui::CustomEdit>(QStringLiteral("Edit49"));
    borrower.setColor(ui::colors::white);
    f.get<ui::WinControl>(QStringLiteral("Edit48")).setFocus();
    f.get<ui::Control>(QStringLiteral("Button46")).show();
    f.get<ui::Control>(QStringLiteral("Button49")).show();
    f.get<ui::Control>(QStringLiteral("Button48")).hide();
    for (const char* name : {"Image45", "Image46", "Image47"})
        f.get<ui::Image>(QString::fromLatin1(name)).clearPicture();

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
    m_frm.get<ui::Control>(QStringLiteral("Label91")).show();
    m_frm.get<ui::Control>(QStringLiteral("Edit49")).show();
    for (const char* name : kResultControls)
        m_frm.get<ui::Control>(QString::fromLatin1(name)).hide();
}

void ReturnScreen::Edit48Change()
{
    auto& code = m_frm.get<ui::CustomEdit>(QStringLiteral("Edit48"));
    if (code.text() == kSwitchDeskWord) {
        m_frm.handlers.run(QStringLiteral("ShowLoanScreen"));
        return;
    }
    if (code.text().size() != 13)
        return;
    code.setText(FixAzertyDigitsByChar(code.text()));
    if (catalogue::isPressCode(code.text())) {
        auto& issue = m_frm.get<ui::CustomEdit>(QStringLiteral("Edit101"));
        issue.setText(QString());
        issue.show();
        issue.setFocus();
        code.setText(code.text().left(13));
    } else {
        code.setText(code.text().left(13));
        m_frm.FlushKeyboardInput();
        m_frm.get<ui::Control>(QStringLiteral("Panel23")).hide();
    }
    FindReturnCandidates();

    m_frm.MovePointer(70, 670);
    auto& store = m_frm.get<ui::WinControl>(QStringLiteral("Button48"));
    store.show();
    store.setFocus();
    if (!m_frm.get<ui::CheckBox>(QStringLiteral("CheckBox39")).checked())
        return;
    // Without a borrower number there is no list to show and nothing to return.
    const QString borrower = text::Trim(m_frm.get<ui::CustomEdit>(QStringLiteral("Edit49")).text());
    if (borrower.isEmpty())
        return;
    m_candidates.ListBorrowerLoans(borrower);
    if (!code.text().isEmpty())
        m_frm.application().input().leftClick();
}

void ReturnScreen::FindReturnCandidates()
{
    app::TFrmPrin& f = m_frm;
    auto edit = [&f](const char* name) -> ui::CustomEdit& { return f.get<ui::CustomEdit>(QString::fromLatin1(name)); };
    auto& cover = f.get<ui::Image>(QStringLiteral("Image45"));
    for (const char* name : {"Image45", "Image46", "Image47", "Image89"})
        f.get<ui::Image>(QString::fromLatin1(name)).clearPicture();
    for (const char* slot : kReturnPhotoSlots)
        f.get<ui::Image>(QString::fromLatin1(slot)).clearPicture();
    cover.setBounds(returnLayout::kCover);

    auto& code = edit("Edit48");
    QString text = FixAzertyDigits(code.text()).left(13);
    if (text.contains(QLatin1String("00000000")))
        text = text::Copy(text, 9, 5);
    if (text.size() == 10 && !text.startsWith(QLatin1String("B0")))
        text = catalogue::Isbn10To13(text);
    code.setText(text);

    auto& issue = edit("Edit101");
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
    auto value = [&rows](const char* field) { return rows.fieldByName(QString::fromLatin1(field)).asString(); };

    if (rows.isEmpty()) {
        nothingToReturn(10);
        return;
    }

    rows.first();
    edit("Edit54").setText(text::Trim(value("EmpNom")));
    f.get<ui::Control>(QStringLiteral("Edit53")).show();
    f.get<ui::Control>(QStringLiteral("Edit135")).show();
    f.get<ui::Control>(QStringLiteral("Edit137")).hide();
    f.get<ui::Control>(QStringLiteral("Edit140")).hide();
    m_candidates.beginCandidates();

    // The loan shown for a single holder is that holder's own row: its book values and due date.
    struct Loan {
        QString borrowerNo, surname, firstName, className, cover, title, author, genre, place, dueDate;
    } loan;
    int count = 0;
    for (; !rows.eof(); rows.next()) {
        if (value("EmpNom").isEmpty())
            continue;
        // A loan by copy number carries its mark in the first name and is never a candidate.
        if (value("EmpPrenom").contains(u'*'))
            continue;
        ++count;
        loan = Loan{QString::number(rows.fieldByName(QStringLiteral("NumEmprunteur")).asInteger()),
                    value("EmpNom"), value("EmpPrenom"), value("EmpClasse"), text::Trim(value("Images")),
                    value("Titre"), value("Auteur"), value("Genre"), value("LieuRangement"), value("DateRetour")};
        m_candidates.ShowCandidate(count, loan.borrowerNo, loan.surname, loan.firstName, loan.className);
    }
    edit("Edit54").setText(QString::number(count));

    if (count == 0) {
        rows.last();
        const QString title = value("Titre");
        edit("Edit53").setText(title);
        edit("Edit135").setText(value("Auteur"));
        edit("Edit137").setText(value("Genre"));
        edit("Edit140").setText(value("LieuRangement"));
        showReturnCover(f, cover, value("Images"));
        if (title.isEmpty()) {
            nothingToReturn(11);
        } else {
            f.application().showMessage(f.tables.message(12) + u'\r' + f.tables.message(13));
            code.setText(QString());
            f.FlushKeyboardInput();
            code.setFocus();
            for (const char* name : kReturnBookFields)
                f.get<ui::Control>(QString::fromLatin1(name)).hide();
            issue.setText(QString());
        }
        return;
    }

    if (count == 1) {
        ReturnSingleMatch = true;
        edit("Edit53").setText(loan.title);
        edit("Edit135").setText(loan.author);
        edit("Edit137").setText(loan.genre);
        edit("Edit140").setText(loan.place);
        edit("Edit132").setText(loan.dueDate);
        edit("Edit50").setText(loan.surname);
        edit("Edit51").setText(loan.firstName);
        edit("Edit52").setText(loan.className);
        edit("Edit49").setText(loan.borrowerNo);
        ReturnBorrowerNo = edit("Edit49").text();
        showReturnCover(f, cover, loan.cover);
        showBorrowerPhoto(f, f.get<ui::Image>(QStringLiteral("Image46")), edit("Edit50").text(), edit("Edit51").text());
        f.get<ui::Control>(QStringLiteral("Label91")).show();
        f.get<ui::Control>(QStringLiteral("Edit49")).show();
        for (const char* name : kResultControls)
            f.get<ui::Control>(QString::fromLatin1(name)).show();
        f.get<ui::Control>(QStringLiteral("Button46")).hide();
        f.get<ui::Control>(QStringLiteral("Button48")).show();
        f.get<ui::Control>(QStringLiteral("Button49")).show();
        issue.hide();
        m_candidates.ShowLoanStrip(edit("Edit49").text(), ReturnCandidates::StripVariant::AfterLookUp);
        f.get<ui::WinControl>(QStringLiteral("Button48")).setFocus();
        return;
    }

    ReturnSingleMatch = false;
    for (const char* name : {"Label91", "Label95", "Label212", "Label214", "Edit49"})
        f.get<ui::Control>(QString::fromLatin1(name)).show();
    for (const char* name : kReturnBookFields)
        f.get<ui::Control>(QString::fromLatin1(name)).show();
    edit("Edit49").setFocus();
    f.get<ui::Control>(QStringLiteral("Button46")).show();
    f.get<ui::Control>(QStringLiteral("Button48")).hide();
    f.get<ui::Control>(QStringLiteral("Panel23")).show();
}

void ReturnScreen::nothingToReturn(int message)
{
    auto& code = m_frm.get<ui::CustomEdit>(QStringLiteral("Edit48"));
    m_frm.ShowMessageEntry(message);
    code.setText(QString());
    for (const char* name : kReturnBookFields)
        m_frm.get<ui::Control>(QString::fromLatin1(name)).hide();
    m_frm.get<ui::Image>(QStringLiteral("Image45")).clearPicture();
    code.setFocus();
    m_frm.get<ui::CustomEdit>(QStringLiteral("Edit101")).setText(QString());
}

void ReturnScreen::Edit48KeyPress(QChar& key)
{
    if (key != kEnter)
        return;
    app::TFrmPrin& f = m_frm;
    auto& code = f.get<ui::CustomEdit>(QStringLiteral("Edit48"));
    if (code.text() == kSwitchDeskWord) {
        f.handlers.run(QStringLiteral("ShowLoanScreen"));
        return;
    }
    code.setText(FixAzertyDigits(code.text()));
    if (isBorrowerCard(code.text())) {
        f.get<ui::CustomEdit>(QStringLiteral("Edit49")).setText(withoutPrefix(code.text()));
        code.setText(QString());
        code.setFocus();
        return;
    }
    if (isCopyLabel(code.text())) {
        const QString rest = withoutPrefix(code.text());
        auto& copyNumber = f.get<ui::CustomEdit>(QStringLiteral("Edit134"));
        copyNumber.setText(rest);
        code.setText(QString());
        copyNumber.setText(ResolveCopyLabel(f.db.ADOConnection1, rest).copyNumber);
        f.get<ui::WinControl>(QStringLiteral("Button46")).setFocus();
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
    if (f.get<ui::CustomEdit>(QStringLiteral("Edit49")).text().isEmpty()) {
        f.get<ui::Control>(QStringLiteral("Edit49")).show();
        return;
    }
    f.MovePointer(70, 670);
    auto& store = f.get<ui::WinControl>(QStringLiteral("Button48"));
    store.show();
    store.setFocus();
    if (f.get<ui::CheckBox>(QStringLiteral("CheckBox39")).checked() && !code.text().isEmpty())
        f.application().input().leftClick();
}

void ReturnScreen::Edit49KeyPress(QChar& key)
{
    if (key != kEnter)
        return;
    auto& borrower = m_frm.get<ui::CustomEdit>(QStringLiteral("Edit49"));
    borrower.setText(FixAzertyDigits(withoutCardPrefix(borrower.text())));
    m_frm.MovePointer(70, 570);
    m_frm.get<ui::WinControl>(QStringLiteral("Button46")).setFocus();
    m_frm.application().input().leftClick();
}

void ReturnScreen::Edit101KeyPress(QChar& key)
{
    if (key != kEnter)
        return;
    auto& issue = m_frm.get<ui::CustomEdit>(QStringLiteral("Edit101"));
    issue.setText(FixAzertyDigits(issue.text()));
    if (issue.text().size() < 3)
        return;
    auto& borrower = m_frm.get<ui::CustomEdit>(QStringLiteral("Edit49"));
    borrower.setFocus();
    borrower.setColor(ui::colors::yellow);
}

void ReturnScreen::Button49Click()
{
    app::TFrmPrin& f = m_frm;
    f.get<ui::Control>(QStringLiteral("Panel23")).hide();
    hideResultFields();
    auto& code = f.get<ui::CustomEdit>(QStringLiteral("Edit48"));
    code.setText(QString());
    code.setFocus();
    f.get<ui::Control>(QStringLiteral("Button46")).show();
    f.get<ui::Control>(QStringLiteral("Button49")).show();
    f.get<ui::Control>(QStringLiteral("Button48")).hide();
    for (const char* name : {"Edit50", "Edit51", "Edit52", "Edit49", "Edit132", "Edit134"})
        f.get<ui::CustomEdit>(QString::fromLatin1(name)).setText(QString());
    f.get<ui::Control>(QStringLiteral("Edit101")).hide();
    for (const char* slot : kReturnStripSlots)
        f.get<ui::Image>(QString::fromLatin1(slot)).clearPicture();
    for (const char* slot : kReturnPhotoSlots)
        f.get<ui::Image>(QString::fromLatin1(slot)).clearPicture();
    for (const char* name : {"Image45", "Image46", "Image47"})
        f.get<ui::Image>(QString::fromLatin1(name)).clearPicture();
}

}  // namespace loans
