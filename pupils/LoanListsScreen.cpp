#include "pupils/LoanListsScreen.h"

#include "app/FrmPrin.h"
#include "app/TextRoutines.h"
#include "loans/LoanScreen.h"
#include "loans/ReturnScreen.h"
#include "platform/db/Query.h"
#include "platform/files/FileOps.h"
#include "platform/files/ShownPath.h"
#include "platform/files/TextFile.h"
#include "platform/files/TextFileRecord.h"
#include "platform/files/WindowsPath.h"
#include "platform/net/Error.h"
#include "platform/net/SmtpSender.h"
#include "platform/shell/Shell.h"
#include "platform/text/DateText.h"
#include "platform/text/PascalText.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Input.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/WebBrowser.h"
#include "pupils/LoanListPages.h"

namespace pupils {

namespace {

const QString kBooksOutCsv = QStringLiteral("Listes\\livres_Sortis.csv");
const QString kBooksOutListPage = QStringLiteral("Livres_Sortis_liste.html");
const QString kOverduePage = QStringLiteral("Livres_Retard.html");
const QString kOverdueCsv = QStringLiteral("Livres_Retard_.csv");
const QString kBooksOutPicturePage = QStringLiteral("Livres_Sortis.html");
const QString kClassCsv = QStringLiteral(" Emprunteurs_classe.csv");
const QString kReminderFile = QStringLiteral("Livre_retard.txt");
const QString kBooksOut = QStringLiteral("Select * FROM table1 WHERE EmpNom <> '' ORDER BY EmpNom");
const QString kOverdue = QStringLiteral("Select * FROM table1 WHERE EmpNom <> '' ORDER BY EmpNom,Titre");
const QString kBooksOutByFirstName = QStringLiteral("Select * FROM table1 WHERE EmpNom <> '' ORDER BY EmpPreNom,Titre");
const QString kNoMailAccount =
    QStringLiteral("Le mail et le mot de passe de la QVL doivent être remplis et valides |Outils->configuration| \r"
                   "Réactualisez la liste des livres non revenus et en retard");

}  // namespace

LoanListsScreen::LoanListsScreen(app::TFrmPrin& frm, const LoanListsControls& controls)
    : m_frm(frm), m_controls(controls)
{
    frm.handlers.bind(QStringLiteral("Livressortis1Click"), [this] { Livressortis1Click(); });
    frm.handlers.bind(QStringLiteral("SpeedButton57Click"), [this] { SpeedButton57Click(); });
    controls.booksOut.onClick = [this] { BitBtn5Click(); };
    controls.overdue.onClick = [this] { BitBtn7Click(); };
    controls.withoutLoan.onClick = [this] { SpeedButton57Click(); };
    controls.print.onClick = [this] { Image101Click(); };
    controls.booksOutPictures.onClick = [this] { Button97Click(); };
    controls.overduePictures.onClick = [this] { Button56Click(); };
    controls.sendReminders.onClick = [this] { Button29Click(); };
}

void LoanListsScreen::Livressortis1Click()
{
    app::TFrmPrin& f = m_frm;
    f.HideAllScreens();
    auto& screen = m_controls.screen;
    screen.show();
    clearLoanScreenCode();
    auto& classes = m_controls.className;
    classes.clearItems();
    if (const auto* returns = f.findPart<loans::ReturnScreen>())
        classes.setText(returns->controls().className.text());
    db::Query q(f.db.ADOConnection1);
    q.setSql(QStringLiteral("Select * FROM Emprunteurs ORDER BY Classe,EmpNom"));
    q.open();
    QString previous;
    for (q.first(); !q.eof(); q.next()) {
        const QString c = q.fieldByName(QStringLiteral("Classe")).asString();
        if (c != previous && !c.isEmpty())
            classes.addItem(c);
        previous = c;
    }
    m_controls.mailAddress.setText(f.settings.MailQVLgmailcom);
    m_controls.mailPassword.setText(f.settings.MDPQVL);
    m_controls.smtp.setText(f.settings.SMTPQVL);
    if (f.settings.AnimationOn)
        f.SlideIn(screen, 54);
    screen.setTop(42);
}

// The loan screen's code and issue fields start empty when the desk is next opened.
void LoanListsScreen::clearLoanScreenCode()
{
    if (const auto* desk = m_frm.findPart<loans::LoanScreen>()) {
        desk->controls().code.setText(QString());
        desk->controls().issue.setText(QString());
    }
}

std::vector<LoanRow> LoanListsScreen::selectedRows(const QString& defaultSql)
{
    app::TFrmPrin& f = m_frm;
    auto& code = m_controls.bookNumber;
    auto& borrower = m_controls.borrowerNumber;
    if (!code.text().isEmpty())
        code.setText(FixAzertyDigits(code.text()));
    if (!borrower.text().isEmpty())
        borrower.setText(FixAzertyDigits(borrower.text()));
    const ListFilters filters{code.text(), m_controls.bookTitle.text(), borrower.text()};
    return loanRows(f.db.ADOConnection1, listSelection(defaultSql, filters));
}

QString LoanListsScreen::className() const
{
    return m_controls.className.text();
}

QDate LoanListsScreen::today() const
{
    return m_frm.application().clock().currentDateTime().date();
}

ReminderText LoanListsScreen::reminderText() const
{
    QStringList lines;
    files::readTextFileLines(files::nativePath(m_frm.AppDir + kReminderFile), lines);
    return {lines.value(0), lines.value(1)};
}

void LoanListsScreen::writeFile(const QString& windowsPath, const QString& content, bool lineEnd)
{
    files::TextFileRecord file;
    file.assign(windowsPath);
    file.rewrite();
    if (lineEnd)
        file.writeln(content);
    else
        file.write(content);
    file.close();
}

void LoanListsScreen::showPage(const QString& name, const QString& page)
{
    writeFile(m_frm.AppDir + name, page);
    m_controls.page.navigate(QStringLiteral("file:") + files::nativePath(m_frm.AppDir + name));
}

void LoanListsScreen::tellPageReady(const QString& name)
{
    m_frm.application().showMessage(m_frm.tables.message(220) + QStringLiteral("\n\r") +
                                    files::shownPath(m_frm.AppDir + name));
}

void LoanListsScreen::askToOpen(const QString& windowsPath)
{
    const ui::ModalResult answer = m_frm.application().messageBox(
        m_frm.tables.dialog(9), QStringLiteral("Excel"), ui::MessageButtons::OkCancel, ui::MessageIcon::Question, 2);
    if (answer == ui::ModalResult::Ok)
        m_frm.services().shell.open(files::nativePath(windowsPath));
}

void LoanListsScreen::BitBtn5Click()
{
    app::TFrmPrin& f = m_frm;
    const std::vector<LoanRow> rows = selectedRows(kBooksOut);
    const ListFiles list =
        booksOutList(rows, className(), {f.settings.maker.webSite, f.tables.caption(118), f.tables.caption(119)});
    // The folder is delivered; one deleted by hand is made again rather than losing the list.
    files::forceDirectories(files::nativePath(f.AppDir + QStringLiteral("Listes")));
    writeFile(f.AppDir + kBooksOutCsv, list.csv, false);
    showPage(kBooksOutListPage, list.page);
    f.application().showMessage(f.tables.message(54) + QStringLiteral("\n\r") + f.tables.message(55) +
                                files::shownPath(f.AppDir + QStringLiteral("Listes\\Livres_sortis.csv")) + QStringLiteral(" \r\n") + f.tables.message(56));
    askToOpen(f.AppDir + kBooksOutCsv);
}

void LoanListsScreen::BitBtn7Click()
{
    app::TFrmPrin& f = m_frm;
    const std::vector<LoanRow> rows = selectedRows(kOverdue);
    const ListFiles list =
        overdueList(rows, className(), today(), {f.settings.maker.webSite, f.tables.caption(118), f.tables.caption(118)});
    showPage(kOverduePage, list.page);
    writeFile(f.AppDir + kOverdueCsv, list.csv, false);
    f.application().showMessage(f.tables.message(57) + QStringLiteral("\n\r") + f.tables.message(55) +
                                files::shownPath(f.AppDir + kOverdueCsv) + QStringLiteral("\r\n") + f.tables.message(56));
    askToOpen(f.AppDir + kOverdueCsv);
}

void LoanListsScreen::SpeedButton57Click()
{
    app::TFrmPrin& f = m_frm;
    f.HideAllScreens();
    m_controls.screen.show();
    clearLoanScreenCode();
    db::Query q(f.db.ADOConnection1);
    q.setSql(QStringLiteral("Select * FROM Emprunteurs WHERE classe = ?"), {text::Trim(className())});
    q.open();
    const QString todayText = text::shortDateText(today());
    QStringList lines;
    for (q.first(); !q.eof(); q.next()) {
        if (q.fieldByName(QStringLiteral("NumINE")).asString() == todayText)
            continue;
        lines << QStringList{q.fieldByName(QStringLiteral("EmpNom")).asString(),
                             q.fieldByName(QStringLiteral("EmpPrenom")).asString(),
                             q.fieldByName(QStringLiteral("Classe")).asString()}
                     .join(u';');
    }
    QString csv;
    for (const QString& line : lines)
        csv += line + QStringLiteral("\r\n");
    writeFile(f.AppDir + kClassCsv, csv, false);
    const QString heading = QStringLiteral("ElEVES N'AYANT RIEN EMPRUNTE CE JOUR");
    showPage(kOverduePage, pupilsWithoutLoanPage(lines, {f.settings.maker.webSite, heading, heading}));
    f.application().showMessage(f.tables.message(57) + QStringLiteral("\n\r") + f.tables.message(55) +
                                files::shownPath(f.AppDir + kClassCsv) + QStringLiteral("\r\n") + f.tables.message(56));
}

// Opens the page's context menu, whose print command prints it.
void LoanListsScreen::Image101Click()
{
    m_frm.MovePointer(900, 500);
    m_frm.application().input().rightClick();
}

void LoanListsScreen::Button97Click()
{
    app::TFrmPrin& f = m_frm;
    const std::vector<LoanRow> rows = selectedRows(kBooksOutByFirstName);
    showPage(kBooksOutPicturePage,
             booksOutPicturePage(rows, className(), {f.settings.maker.webSite, f.tables.caption(118), f.tables.caption(119)}));
    tellPageReady(kBooksOutPicturePage);
    if (m_controls.updateWebPage.checked() && !f.settings.LienPageFTP1.isEmpty())
        UploadBooksOutPage(f.AppDir + kBooksOutPicturePage);
}

void LoanListsScreen::UploadBooksOutPage(const QString& localPath)
{
    app::TFrmPrin& f = m_frm;
    if (!f.settings.ftpbool)
        return;
    f.IdFTP1.disconnect();
    try {
        f.IdFTP1.connect(net::FtpAccount{f.settings.HoteFTP, 21, f.settings.IdentifiantFTP, f.settings.MDPFTP, true});
    } catch (const net::Error& e) {
        f.application().showMessage(e.message());
        return;
    }
    f.IdFTP1.put(files::nativePath(localPath), f.settings.LienPageFTP1);
    f.IdFTP1.disconnect();
}

void LoanListsScreen::Button56Click()
{
    app::TFrmPrin& f = m_frm;
    const std::vector<LoanRow> rows = selectedRows(kOverdue);
    const ListFiles list = reminderList(rows, className(), today(), reminderText(),
                                        {f.settings.maker.webSite, f.tables.caption(118), f.tables.caption(118)});
    showPage(kOverduePage, list.page);
    writeFile(f.AppDir + kOverdueCsv, list.csv, false);
    tellPageReady(kOverduePage);
}

// One mail per overdue copy with a mail address, the subject and body of its page link.
void LoanListsScreen::Button29Click()
{
    app::TFrmPrin& f = m_frm;
    f.application().showMessage(kNoMailAccount);
    const app::Settings& s = f.settings;
    if (s.MailQVLgmailcom.isEmpty() || s.MDPQVL.isEmpty() || s.SMTPQVL.isEmpty()) {
        f.application().showMessage(kNoMailAccount);
        return;
    }
    const QDate now = today();
    const ReminderText reminder = reminderText();
    net::SmtpSender sender(f.networkWaiting(), net::SmtpAccount{s.SMTPQVL, s.MailQVLgmailcom, s.MDPQVL});
    int sent = 0;
    QStringList failures;
    for (const LoanRow& row : selectedRows(kOverdue)) {
        if (row.mail.isEmpty() || !isOverdue(row, now) || !inClass(row, className()))
            continue;
        try {
            sender.send({row.mail, reminderSubject(), reminderBody(row, dueDate(row, now), reminder)});
            ++sent;
        } catch (const net::Error& e) {
            failures << e.message();
        }
    }
    QString report = QStringLiteral("Mails de rappel envoyés : %1").arg(sent);
    if (!failures.isEmpty())
        report += QStringLiteral("\rNon envoyés (%1) :\r").arg(failures.size()) + failures.join(u'\r');
    f.application().showMessage(report);
}

}  // namespace pupils
