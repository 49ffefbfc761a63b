#include "app/JournalReplayForm.h"

#include "app/DatabaseObjects.h"
#include "app/FrmPrin.h"
#include "app/JournalReplay.h"
#include "platform/db/BulkScope.h"
#include "platform/files/TextFileRecord.h"
#include "platform/files/WindowsPath.h"
#include "platform/text/DateText.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/RichEdit.h"

namespace app {

namespace {

const QString kUntouchedDate = QStringLiteral("__/__/20__");
const QString kRefusedDate = QStringLiteral("__/__/____");

}  // namespace

TForm3::TForm3(TFrmPrin& frm)
    : ui::Form(frm.application(), QStringLiteral("Form3"))
    , m_frm(frm)
    , m_programFolder(files::appDir())
    , ADOConnection1(buildConnectionString(m_programFolder), [](const QString& p) { return files::nativePath(p); })
    , m_startDate(text::jetEpoch())
    , m_endDate(text::jetEpoch())
{
    setCaption(QStringLiteral("Restaurer des informations"));
    setBounds(QRect(300, 160, 640, 560));
    setVisible(false);

    auto label = [this](const char* name, const QRect& place, const QString& caption) {
        auto* l = create<ui::Label>(QString::fromLatin1(name));
        l->setBounds(place);
        l->setCaption(caption);
        return l;
    };
    Label1 = label("Label1", QRect(16, 12, 600, 29), QStringLiteral("Restaurer des  informations"));
    ui::Font title;
    title.size = 16;
    title.bold = true;
    title.color = ui::colors::navy;
    Label1->setFont(title);
    Label2 = label("Label2", QRect(16, 48, 600, 17), QStringLiteral("A partir du fichier journal.csv "));
    Label3 = label("Label3", QRect(16, 84, 260, 17), QStringLiteral("Date de début  (format dd/mm/aaaa) : "));
    Label4 = label("Label4", QRect(16, 116, 260, 17), QStringLiteral("Date de fin  (format dd/mm/aaaa) : "));
    Label5 = label("Label5", QRect(400, 100, 220, 17), QStringLiteral("Cette date est comprise "));
    Label6 = label("Label6", QRect(16, 152, 600, 17),
                   QStringLiteral("Le fichier journal.csv est (chemin par defaut) : "));

    auto edit = [this](const char* name, const QRect& place, const QString& text) {
        auto* e = create<ui::Edit>(QString::fromLatin1(name));
        e->setBounds(place);
        e->setText(text);
        return e;
    };
    Edit1 = edit("Edit1", QRect(280, 80, 105, 25), kUntouchedDate);
    Edit2 = edit("Edit2", QRect(280, 112, 105, 25), kUntouchedDate);
    Edit3 = edit("Edit3", QRect(16, 174, 600, 25), QString());

    Button1 = create<ui::Button>(QStringLiteral("Button1"));
    Button1->setBounds(QRect(16, 212, 113, 33));
    Button1->setCaption(QStringLiteral("Départ"));
    Button1->onClick = [this] { Button1Click(); };
    Button2 = create<ui::Button>(QStringLiteral("Button2"));
    Button2->setBounds(QRect(503, 212, 113, 33));
    Button2->setCaption(QStringLiteral("Terminé"));
    Button2->onClick = [this] { Button2Click(); };

    RichEdit1 = create<ui::RichEdit>(QStringLiteral("RichEdit1"));
    RichEdit1->setBounds(QRect(16, 256, 600, 258));
    RichEdit1->setPlainText(true);
    RichEdit1->onChange = [this] { RichEdit1Change(); };
}

void TForm3::Button1Click()
{
    const QString path = Edit3->text().isEmpty() ? m_programFolder + QStringLiteral("journal.csv") : Edit3->text();
    files::TextFileRecord journal;
    journal.assign(path);
    journal.reset();
    RichEdit1->clear();
    journal.readln();

    takeDate(*Edit1, m_startDate);
    if (Edit2->text() == kUntouchedDate)
        Edit2->setText(Edit1->text());
    takeDate(*Edit2, m_endDate);

    const QDate today = application().clock().currentDateTime().date();
    JournalReplay replay(ADOConnection1, today, m_frm.settings.PretDefautTexte,
                         [this](const QString& text) { appendLog(text); });
    db::BulkScope bulk(ADOConnection1);
    while (!journal.eof())
        replay.replayLine(journal.readln(), m_startDate, m_endDate);
    journal.close();
}

void TForm3::Button2Click() { close(); }

void TForm3::RichEdit1Change() { RichEdit1->setSelStart(int(RichEdit1->text().size())); }

void TForm3::takeDate(ui::Edit& edit, QDate& date)
{
    QString typed = edit.text();
    if (const std::optional<QDate> day = replayWindowDate(typed)) {
        edit.setText(typed);
        date = *day;
        return;
    }
    application().showMessage(edit.text() + QStringLiteral(" Pas le bon format"));
    edit.setText(kRefusedDate);
    edit.setFocus();
}

void TForm3::appendLog(const QString& text) { RichEdit1->setText(RichEdit1->text() + text); }

}  // namespace app
