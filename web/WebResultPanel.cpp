#include "web/WebResultPanel.h"

#include "app/FrmPrin.h"
#include "platform/files/WindowsPath.h"
#include "platform/picture/PictureFile.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Errors.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/WebBrowser.h"

namespace web {

namespace {

template <class T>
T* place(app::TFrmPrin& frm, const char* name, ui::WinControl* parent, const QRect& bounds, const QString& text = {})
{
    T* c = frm.create<T>(QString::fromLatin1(name), parent);
    c->setBounds(bounds);
    if (!text.isEmpty())
        c->setText(text);
    return c;
}

void buildPanel(app::TFrmPrin& frm)
{
    auto* panel = &frm.get<ui::Panel>(QStringLiteral("Panel21"));
    place<ui::SpeedButton>(frm, "SpeedButton27", panel, QRect(4, 3, 44, 30), QStringLiteral("<"));
    place<ui::SpeedButton>(frm, "SpeedButton28", panel, QRect(51, 3, 44, 30), QStringLiteral(">"));
    place<ui::Edit>(frm, "Edit99", panel, QRect(105, 9, 533, 22));
    place<ui::SpeedButton>(frm, "SpeedButton29", panel, QRect(644, 7, 60, 26), QStringLiteral("Aller"));
    auto* close = place<ui::SpeedButton>(frm, "SpeedButton30", panel, QRect(850, 12, 80, 26), QStringLiteral("Fermer"));
    close->setHint(QStringLiteral("BallonHint1"));
    const std::pair<const char*, const char*> words[] = {
        {"Edit155", "Titre"}, {"Edit154", "Auteur"}, {"Edit153", "Editeur"}, {"Edit152", "Fichier image"}};
    int top = 34;
    for (const auto& [edit, caption] : words) {
        const QByteArray label = QByteArray("Label") + edit;
        place<ui::Label>(frm, label.constData(), panel, QRect(170, top + 3, 90, 16), QString::fromUtf8(caption));
        place<ui::Edit>(frm, edit, panel, QRect(266, top, 360, 22));
        top += 26;
    }
    // The page lies beside the buttons that take it into the book.
    place<ui::WebBrowser>(frm, "WebBrowser6", panel, QRect(-5, 145, 215, 362))->hide();
    place<ui::WebBrowser>(frm, "EdgeBrowser3", panel, QRect(200, 142, 1056, 619));
    place<ui::BitBtn>(frm, "BitBtn2", panel, QRect(20, 151, 180, 30), QStringLiteral("Lire la page"))->hide();
    auto* school = place<ui::BitBtn>(frm, "BitBtn3", panel, QRect(9, 198, 180, 22), QStringLiteral("Ecole des loisirs"));
    school->setHint(QStringLiteral("Cette fonction est particulièrement utile aux livres 'Ecole des loisirs'"));
    school->hide();
    place<ui::SpeedButton>(frm, "SpeedButton3", panel, QRect(12, 222, 180, 26), QStringLiteral("Prendre la page"))
        ->hide();
    place<ui::Memo>(frm, "Memo9", panel, QRect(1022, 155, 200, 100))->hide();
    auto* warning = place<ui::Panel>(frm, "Panel22", panel, QRect(142, 214, 423, 271));
    place<ui::Image>(frm, "Image104", warning, QRect(8, 8, 407, 180))
        ->setPicture(picture::loadPictureFile(
            files::nativePath(files::appDir() + QStringLiteral("Reserve\\Avertissement_connexion.png"))));
    place<ui::CheckBox>(frm, "CheckBox17", warning, QRect(16, 200, 260, 20), QStringLiteral("Ne plus afficher cet avertissement"));
    place<ui::SpeedButton>(frm, "SpeedButton1", warning, QRect(300, 228, 100, 30), QStringLiteral("OK"));
    warning->hide();
}

}  // namespace

WebResultPanel::WebResultPanel(app::TFrmPrin& frm) : m_frm(frm)
{
    buildPanel(frm);
    const std::pair<const char*, void (WebResultPanel::*)()> handlers[] = {
        {"SpeedButton27", &WebResultPanel::SpeedButton27Click}, {"SpeedButton28", &WebResultPanel::SpeedButton28Click},
        {"SpeedButton29", &WebResultPanel::SpeedButton29Click}, {"SpeedButton30", &WebResultPanel::SpeedButton30Click},
        {"SpeedButton1", &WebResultPanel::SpeedButton1Click},   {"CheckBox17", &WebResultPanel::CheckBox17Click},
    };
    for (const auto& [name, handler] : handlers)
        frm.get<ui::Control>(QString::fromLatin1(name)).onClick = [this, h = handler] { (this->*h)(); };
}

void WebResultPanel::SpeedButton27Click()
{
    try {
        m_frm.get<ui::WebBrowser>(QStringLiteral("EdgeBrowser3")).goBack();
    } catch (const ui::InvalidOperation&) {
        m_frm.ShowMessageEntry(87);
    }
}

void WebResultPanel::SpeedButton28Click()
{
    try {
        m_frm.get<ui::WebBrowser>(QStringLiteral("EdgeBrowser3")).goForward();
    } catch (const ui::InvalidOperation&) {
    }
}

void WebResultPanel::SpeedButton29Click()
{
    m_frm.get<ui::WebBrowser>(QStringLiteral("EdgeBrowser3"))
        .navigate(m_frm.get<ui::Edit>(QStringLiteral("Edit99")).text());
}

void WebResultPanel::SpeedButton30Click()
{
    app::TFrmPrin& f = m_frm;
    f.get<ui::Control>(QStringLiteral("Panel21")).hide();
    f.get<ui::Control>(QStringLiteral("Panel4")).show();
    for (const char* name : {"SpeedButton2", "SpeedButton3", "SpeedButton20"})
        f.get<ui::Control>(QString::fromLatin1(name)).show();
    // The loan and return screens stay in front of the book screen.
    for (const char* screen : {"Panel14", "Panel15"})
        if (const ui::Control* c = f.control(QString::fromLatin1(screen)); c && c->visible())
            f.get<ui::Control>(QStringLiteral("Panel4")).hide();
    if (!f.get<ui::Control>(QStringLiteral("BitBtn3")).visible())
        for (const char* name : {"BitBtn2", "BitBtn3", "SpeedButton3"})
            f.get<ui::Control>(QString::fromLatin1(name)).show();
}

void WebResultPanel::SpeedButton1Click() { m_frm.get<ui::Control>(QStringLiteral("Panel22")).hide(); }

void WebResultPanel::CheckBox17Click() { m_frm.get<ui::CheckBox>(QStringLiteral("CheckBox17")).setChecked(true); }

}  // namespace web
