#include "pupils/BorrowerCardsScreen.h"

#include "app/FrmPrin.h"
#include "platform/db/Query.h"
#include "platform/files/TextFileRecord.h"
#include "platform/files/WindowsPath.h"
#include "platform/shell/Shell.h"
#include "platform/text/PascalText.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Panel.h"
#include "platform/ui/WebBrowser.h"
#include "pupils/BorrowerCardsPage.h"

namespace pupils {

namespace {

const QString kPageName = QStringLiteral("emprunteurs.html");
const QString kYearNotSet = QStringLiteral("20../20..");

CardBorrower borrowerAt(db::Query& q)
{
    const auto value = [&q](const char* name) { return q.fieldByName(QString::fromLatin1(name)).asString(); };
    return {value("NumEmprunteur"), value("EmpNom"), value("EmpPrenom"), value("Classe"), value("Sexe"),
            value("Niveau")};
}

}  // namespace

BorrowerCardsScreen::BorrowerCardsScreen(app::TFrmPrin& frm, const BorrowerCardsControls& controls)
    : m_frm(frm), m_controls(controls)
{
    frm.handlers.bind(QStringLiteral("CartesEmprunteur1Click"), [this] { CartesEmprunteur1Click(); });
    controls.allCards.onClick = [this] { Button65Click(); };
    controls.newCards.onClick = [this] { BitBtn9Click(); };
    controls.preview.onClick = [this] { Image40Click(); };
    controls.print.onClick = [this] { Image60Click(); };
    controls.wordProcessor.onClick = [this] { Image78Click(); };
}

void BorrowerCardsScreen::CartesEmprunteur1Click()
{
    m_frm.HideAllScreens();
    auto& screen = m_controls.screen;
    screen.setTop(44);
    screen.show();
    fillClasses();
}

void BorrowerCardsScreen::fillClasses()
{
    auto& classes = m_controls.className;
    db::Query q(m_frm.db.ADOConnection1);
    q.setSql(QStringLiteral("Select * FROM Emprunteurs ORDER BY Classe,EmpPreNom,EmpNom"));
    q.open();
    QStringList items;
    QString previous;
    for (q.first(); !q.eof(); q.next()) {
        const QString className = q.fieldByName(QStringLiteral("Classe")).asString();
        if (className != previous && !className.isEmpty())
            items << className;
        previous = className;
    }
    classes.setItems(items);
}

void BorrowerCardsScreen::hideClassOnCards()
{
    m_controls.showClass.setChecked(false);
}

void BorrowerCardsScreen::Button65Click()
{
    app::TFrmPrin& f = m_frm;
    const BorrowerCardsControls& c = m_controls;
    if (c.schoolYear.text() == kYearNotSet) {
        f.ShowMessageEntry(67);
        return;
    }
    const CardOptions options{c.schoolYear.text(),    f.settings.NOM_Ecole,  c.pictureWidth.text(),
                              c.pictureHeight.text(), c.showClass.checked(), c.noDigits.checked(),
                              text::StrToInt(c.cardsPerPage.text())};
    BorrowerCardsPage page(BorrowerCardsPage::Kind::AllCards, options);
    db::Query q(f.db.ADOConnection1);
    q.setSql(c.bySurname.checked() ? QStringLiteral("Select * FROM Emprunteurs ORDER BY Classe,EmpNom,EmpPreNom")
                                  : QStringLiteral("Select * FROM Emprunteurs ORDER BY Classe,EmpPreNom,EmpNom"));
    q.open();
    const QString number = c.borrowerNumber.text();
    const QString className = c.className.text();
    for (q.first(); !q.eof(); q.next()) {
        const CardBorrower b = borrowerAt(q);
        if (!number.isEmpty() && number == b.number)
            page.addCard(b);
        if (!className.isEmpty() && className == b.className)
            page.addCard(b);
        if (className.isEmpty() && number.isEmpty())
            page.addCard(b);
    }
    showPage(page.finish());
}

void BorrowerCardsScreen::BitBtn9Click()
{
    app::TFrmPrin& f = m_frm;
    const BorrowerCardsControls& c = m_controls;
    if (c.schoolYear.text() == kYearNotSet) {
        f.ShowMessageEntry(58);
        return;
    }
    CardOptions options{c.schoolYear.text(), f.settings.NOM_Ecole, c.pictureWidth.text(), c.pictureHeight.text()};
    BorrowerCardsPage page(BorrowerCardsPage::Kind::NewCards, options);
    db::Query q(f.db.ADOConnection1);
    q.setSql(QStringLiteral("Select * FROM Emprunteurs ORDER BY Classe,EmpNom"));
    q.open();
    const QString className = c.className.text();
    for (q.first(); !q.eof(); q.next()) {
        const CardBorrower b = borrowerAt(q);
        QString mark = q.fieldByName(QStringLiteral("NumINE")).asString();
        if (mark.isEmpty())
            mark = b.number;
        if (mark == u'0' && (className.isEmpty() || className == b.className))
            page.addCard(b);
    }
    showPage(page.finish());
}

void BorrowerCardsScreen::showPage(const QString& page)
{
    files::TextFileRecord file;
    file.assign(m_frm.AppDir + kPageName);
    file.rewrite();
    file.writeln(page);
    file.close();
    m_controls.page.navigate(QStringLiteral("file:") + files::nativePath(m_frm.AppDir + kPageName));
}

void BorrowerCardsScreen::Image40Click()
{
    m_frm.ShowMessageEntry(144);
}

void BorrowerCardsScreen::Image60Click()
{
    m_frm.application().showMessage(QStringLiteral("Clic droit sur la page à imprimer"));
}

void BorrowerCardsScreen::Image78Click()
{
    m_frm.application().showMessage(m_frm.tables.message(82) + u'\r' + m_frm.tables.message(83));
    // Without the word processor nothing more happens.
    m_frm.services().shell.start(QStringLiteral("soffice"),
                                 {QStringLiteral("--writer"), files::nativePath(m_frm.AppDir + kPageName)});
}

}  // namespace pupils
