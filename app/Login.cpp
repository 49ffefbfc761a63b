#include "app/Login.h"

#include "app/FrmPrin.h"
#include "app/TipsForm.h"
#include "platform/ui/Application.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Menu.h"

#include <cmath>

namespace app {

namespace {

// Half the screen, rounded as the library rounds: halves to the even neighbour.
int half(int length) { return int(std::nearbyint(length / 2.0)); }

QString askPassword(TFrmPrin& frm, const QString& prompt)
{
    return frm.application().inputBox(frm.tables.dialog(33), prompt, QString(), true);
}

// The home, loan and return screens leave upwards, 14 pixels a step.
void slideAway(TFrmPrin& frm, ui::Control& panel)
{
    panel.setTop(44);
    while (panel.top() > -800) {
        panel.setTop(panel.top() - 14);
        if (frm.settings.AnimationOn)
            frm.Delay(1);
    }
}

void setMenuVisible(TFrmPrin& frm, const char* name, bool visible)
{
    frm.get<ui::MenuItem>(QString::fromLatin1(name)).setVisible(visible);
}

void setToolsVisible(TFrmPrin& frm, bool visible)
{
    setMenuVisible(frm, "Outils", visible);
    setMenuVisible(frm, "ImporterBaselve1", visible);
}

void Enseignant1Click(TFrmPrin& frm, TForm2& tips)
{
    const QSize screen = frm.application().screenSize();
    frm.application().input().setCursorPos(QPoint(half(screen.width()) - 20, half(screen.height()) + 30));
    const QString answer = askPassword(frm, frm.tables.dialog(34));
    const bool teacher = answer == frm.settings.MDP_Enseignant;
    const bool administrator = answer == frm.settings.MDP_Administrateur;
    if (!teacher && !administrator)
        return;

    for (const char* name : {"Panel13", "Panel14", "Panel15"}) {
        auto& panel = frm.get<ui::Control>(QString::fromLatin1(name));
        if (panel.visible())
            slideAway(frm, panel);
    }
    // Teacher first, so that equal passwords give administrator mode.
    if (teacher)
        setToolsVisible(frm, false);
    if (administrator)
        setToolsVisible(frm, true);
    for (const char* name : {"Emprunteurs", "Inventaire", "AutreSupport", "Livres"})
        setMenuVisible(frm, name, true);
    auto& home = frm.get<ui::Control>(QStringLiteral("Panel13"));
    home.hide();
    home.setTop(44);
    for (const char* name : {"Panel14", "Panel15", "Recherche", "Identification", "Liste"})
        frm.get<ui::Control>(QString::fromLatin1(name)).hide();
    for (const char* name : {"ToolButton4", "ToolButton5", "ToolButton6", "ToolButton7"})
        frm.get<ui::Control>(QString::fromLatin1(name)).show();
    frm.get<ui::Control>(QStringLiteral("ToolButton8")).hide();

    frm.handlers.run(QStringLiteral("LoadListFiles"));
    frm.handlers.run(QStringLiteral("OpenBookScreen"));
    tips.showModal();
}

}  // namespace

void bindLogin(TFrmPrin& frm, TForm2& tips)
{
    // The sub-folders of the storage places' folder, which the login lists.
    frm.create<ui::ListBox>(QStringLiteral("ListBox2"))->hide();
    frm.handlers.bind(QStringLiteral("Enseignant1Click"), [&frm, &tips] { Enseignant1Click(frm, tips); });
}

bool AdministratorTest(const TFrmPrin& frm) { return frm.get<ui::MenuItem>(QStringLiteral("Outils")).visible(); }

bool requireAdministrator(TFrmPrin& frm)
{
    if (AdministratorTest(frm))
        return true;
    frm.application().showMessage(NotAdministratorMessage);
    return false;
}

bool AdministratorPasswordReask(TFrmPrin& frm, const QString& prompt)
{
    const QString answer = askPassword(frm, prompt.isEmpty() ? frm.tables.dialog(34) : prompt);
    return !answer.isEmpty() && answer == frm.settings.MDP_Administrateur;
}

}  // namespace app
