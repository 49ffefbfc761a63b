#include "loans/BorrowerScreen.h"

#include "app/FrmPrin.h"
#include "loans/BorrowerPhoto.h"
#include "platform/db/Query.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/DBControls.h"
#include "platform/ui/DBNavigator.h"
#include "platform/ui/DataWatch.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Gauge.h"
#include "platform/ui/Image.h"
#include "platform/ui/Panel.h"

namespace loans {

namespace {

const QString kAllBorrowers = QStringLiteral("Select * From Emprunteurs");

}  // namespace

BorrowerScreen::BorrowerScreen(app::TFrmPrin& frm, const BorrowerControls& controls)
    : m_frm(frm), m_controls(controls), m_rowWatch(std::make_unique<ui::DataWatch>([this] { followCurrentRow(); }))
{
    frm.handlers.bind(QStringLiteral("Nouveaux2Click"), [this] { Nouveaux2Click(); });
    controls.add.onClick = [this] { Button4Click(); };
    controls.previous.onClick = [this] { Button15Click(); };
    controls.next.onClick = [this] { Button16Click(); };
    controls.navigator.beforeDelete = [this] { return mayDeleteCurrentBorrower(); };
    m_rowWatch->setSource(&frm.db.DataSource3);
}

BorrowerScreen::~BorrowerScreen() = default;

void BorrowerScreen::Nouveaux2Click()
{
    app::TFrmPrin& f = m_frm;
    f.HideAllScreens();
    m_controls.progress.hide();
    auto& screen = m_controls.screen;
    if (f.settings.AnimationOn)
        f.SlideIn(screen, 40);
    screen.setTop(44);
    screen.show();
    f.db.ADOTable3.setActive(true);
    f.db.ars.close();
    f.db.ars.setSql(kAllBorrowers);
    f.db.ars.open();
    showPhoto();
    m_controls.surname.setFocus();
}

void BorrowerScreen::Button4Click()
{
    app::TFrmPrin& f = m_frm;
    const BorrowerControls& c = m_controls;
    auto text = [&f](const char* name) { return f.get<ui::CustomEdit>(QString::fromLatin1(name)).text(); };
    // A surname of blanks would store a borrower without a name, whom no search finds.
    if (text::Trim(c.surname.text()).isEmpty())
        return;
    auto& fee = c.fee;
    if (fee.text().isEmpty())
        fee.setText(QStringLiteral("0"));
    fee.setText(QString::number(text::StrToInt(fee.text())));

    db::Params values{text::UpperCase(text::Trim(text("Edit9")))};
    for (const char* name : {"Edit11", "Edit13", "Edit105", "Edit106", "Edit141", "Edit142", "Edit143", "Edit144"})
        values.add(text::Trim(text(name)));
    values.add(text::Trim(fee.text()));
    f.db.ars.close();
    f.db.ars.setSql(QStringLiteral("Insert into Emprunteurs (EmpNom,EmpPrenom,Classe,Etablissement,Mail,NumRNE,"
                                   "NumINE_EAN13,RNE,Niveau,NbrEmpruntsMax) Values (?,?,?,?,?,?,?,?,?,?)"),
                    values);
    f.db.ars.execSql();

    f.db.ars.close();
    f.db.ars.setSql(kAllBorrowers);
    f.db.ars.open();
    f.db.ars.last();
    db::Table& borrowers = f.db.ADOTable3;
    borrowers.close();
    borrowers.setActive(true);
    borrowers.refresh();
    borrowers.last();
    for (ui::Edit* field : {&c.surname, &c.firstName, &c.mail})
        field->setText(QString());
}

void BorrowerScreen::Button15Click()
{
    m_frm.db.ADOTable3.prior();
    showPhoto();
}

void BorrowerScreen::Button16Click()
{
    m_frm.db.ADOTable3.next();
    showPhoto();
}

// The photo rule: the names as the data-aware fields show them, else the placeholder.
void BorrowerScreen::showPhoto()
{
    const QString surname = m_controls.currentSurname.text();
    const QString firstName = m_controls.currentFirstName.text();
    showBorrowerPhoto(m_frm, m_controls.photo, surname, firstName);
    m_shownFor = currentBorrower();
}

// The number and names on show, which name the photo.
QString BorrowerScreen::currentBorrower() const
{
    QString shown;
    for (const ui::DBEdit* field : {&m_controls.currentNumber, &m_controls.currentSurname, &m_controls.currentFirstName})
        shown += field->text() + u'\n';
    return shown;
}

// A photo beside another borrower's names would show the librarian the wrong pupil.
void BorrowerScreen::followCurrentRow()
{
    app::TFrmPrin& f = m_frm;
    if (!m_controls.screen.visible() || !f.db.ADOTable3.active())
        return;
    if (currentBorrower() != m_shownFor)
        showPhoto();
}

// Deleting a borrower who still holds copies would leave their loans pointing to no one: no
// return could lower his count and the lists would name a pupil who no longer exists.
bool BorrowerScreen::mayDeleteCurrentBorrower()
{
    app::TFrmPrin& f = m_frm;
    db::Table& borrowers = f.db.ADOTable3;
    const qint64 number = borrowers.fieldByName(QStringLiteral("NumEmprunteur")).asInteger();
    if (borrowers.state() == db::DataSetState::Insert || number <= 0)
        return true;
    db::Query held(f.db.ADOConnection1);
    held.setSql(QStringLiteral("SELECT * FROM Table1 WHERE NumEmprunteur = ?"), {number});
    held.open();
    if (held.isEmpty())
        return true;
    f.application().showMessage(
        QStringLiteral("%1 %2 a encore %3 livre(s) à rendre : il ne peut pas être supprimé avant leur retour.")
            .arg(borrowers.fieldByName(QStringLiteral("EmpPrenom")).asString(),
                 borrowers.fieldByName(QStringLiteral("EmpNom")).asString(), QString::number(held.recordCount())));
    return false;
}

}  // namespace loans
