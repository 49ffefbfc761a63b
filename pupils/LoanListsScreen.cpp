#include "pupils/LoanListsScreen.h"

#include "app/FrmPrin.h"
#include "app/TextRoutines.h"
#include "platform/db/Query.h"
#include "platform/files/FileOps.h"
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
#include "platform/ui/Edit.h"
#include "platform/ui/Input.h"
#include "platform/ui/Panel.h"
#include "platform/ui/WebBrowser.h"
#include "pupils/LoanListPages.h"
#include "pupils/PupilsLayout.h"

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

LoanListsScreen::LoanListsScreen(app::TFrmPrin& frm) : m_frm(frm)
{
    buildLoanListsControls(frm);
    frm.handlers.bind(QStringLiteral("Livressortis1Click"), [this] { Livressortis1Click(); });
    frm.handlers.bind(QStringLiteral("SpeedButton57Click"), [this] { SpeedButton57Click(); });
    const auto onClick = [&frm](const char* name, std::function<void()> handler) {
        frm.get<ui::Control>(QString::fromLatin1(name)).onClick = std::move(handler);
    };
    onClick("BitBtn5", [this] { BitBtn5Click(); });
    onClick("BitBtn7", [this] { BitBtn7Click(); });
    onClick("SpeedButton56", [this] { SpeedButton57Click(); });
    onClick("Image101", [this] { Image101Click(); });
    onClick("Button76", [this] { Button97Click(); });
    onClick("Button77", [this] { Button56Click(); });
    onClick("Button29", [this] { Button29Click(); });
}

void LoanListsScreen::Livressortis1Click()
{
    app::TFrmPrin& f = m_frm;
    f.HideAllScreens();
    auto& screen = f.get<ui::Panel>(QStringLiteral("Panel18"));
    screen.show();
    for (const char* name : {"Edit39", "Edit100"})
        if (auto* edit = f.find<ui::CustomEdit>(QString::fromLatin1(name)))
            edit->setText(QString());
    auto& classes = f.get<ui::ComboBox>(QStringLiteral("ComboBox10"));
    classes.clearItems();
    if (auto* returnClass = f.find<ui::CustomEdit>(QStringLiteral("Edit52")))
        classes.setText(returnClass->text());
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
    f.get<ui::CustomEdit>(QStringLiteral("Edit21")).setText(f.settings.MailQVLgmailcom);
    f.get<ui::CustomEdit>(QStringLiteral("Edit22")).setText(f.settings.MDPQVL);
    f.get<ui::CustomEdit>(QStringLiteral("Edit150")).setText(f.settings.SMTPQVL);
    if (f.settings.AnimationOn)
        f.SlideIn(screen, 54);
    screen.setTop(42);
}

std::vector<LoanRow> LoanListsScreen::selectedRows(const QString& defaultSql)
{
    app::TFrmPrin& f = m_frm;
    auto& code = f.get<ui::CustomEdit>(QStringLiteral("Edit131"));
    auto& borrower = f.get<ui::CustomEdit>(QStringLiteral("Edit117"));
    if (!code.text().isEmpty())
        code.setText(FixAzertyDigits(code.text()));
    if (!borrower.text().isEmpty())
        borrower.setText(FixAzertyDigits(borrower.text()));
    const ListFilters filters{code.text(), f.get<ui::CustomEdit>(QStringLiteral("Edit130")).text(), borrower.text()};
    return loanRows(f.db.ADOConnection1, listSelection(defaultSql, filters));
}

QString LoanListsScreen::className() const
{
    return m_frm.get<ui::CustomEdit>(QStringLiteral("ComboBox10")).text();
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
    m_frm.get<ui::WebBrowser>(QStringLiteral("WebBrowser11"))
        .navigate(QStringLiteral("file:") + files::nativePath(m_frm.AppDir + name));
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
    f.application().showMessage(f.tables.message(54) + QStringLiteral("\n\r") + f.tables.message(55) + f.AppDir +
                                QStringLiteral("Listes\\Livres_sortis.csv \r\n") + f.tables.message(56));
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
    f.application().showMessage(f.tables.message(57) + QStringLiteral("\n\r") + f.tables.message(55) + f.AppDir +
                                kOverdueCsv + QStringLiteral("\r\n") + f.tables.message(56));
    askToOpen(f.AppDir + kOverdueCsv);
}

void LoanListsScreen::SpeedButton57Click()
{
    app::TFrmPrin& f = m_frm;
    f.HideAllScreens();
    f.get<ui::Panel>(QStringLiteral("Panel18")).show();
    for (const char* name : {"Edit39", "Edit100"})
        if (auto* edit = f.find<ui::CustomEdit>(QString::fromLatin1(name)))
            edit->setText(QString());
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
    f.application().showMessage(f.tables.message(57) + QStringLiteral("\n\r") + f.tables.message(55) + f.AppDir +
                                kClassCsv + QStringLiteral("\r\n") + f.tables.message(56));
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
    f.application().showMessage(f.tables.message(220) + QStringLiteral("\n\r") + f.AppDir + kBooksOutPicturePage);
    if (f.get<ui::CheckBox>(QStringLiteral("CheckBox33")).checked() && !f.settings.LienPageFTP1.isEmpty())
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
    f.application().showMessage(f.tables.message(220) + QStringLiteral("\n\r"));
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
