#include "app/FrmPrin.h"

#include "app/JournalCommand.h"
#include "app/MainWindowLayout.h"
#include "app/PictureButtons.h"
#include "platform/files/WindowsPath.h"
#include "platform/picture/PictureFile.h"
#include "platform/ui/Application.h"
#include "platform/ui/Image.h"
#include "platform/ui/Menu.h"
#include "platform/ui/Panel.h"
#include "platform/ui/ToolBar.h"

namespace app {

TFrmPrin::TFrmPrin(ProgramServices& services)
    : ui::Form(services.ui, QStringLiteral("FrmPrin"))
    , m_services(services)
    , db([](const QString& path) { return files::nativePath(path); })
    , IdFTP1(networkWaiting())
{
    services.ui.setMainForm(this);
    setCaption(QStringLiteral("QvlZantor"));
    setBounds(layout::kMainWindow);
    setColor(layout::colour::kWindow);
    setHint(QStringLiteral("Vous pouvez aussi entrer le N° du livre"));
    setShowHint(true);
    buildScreens();
    buildToolbar();
    buildMenu();
    bindJournalCommand(*this);
}

void TFrmPrin::buildScreens()
{
    for (const layout::ScreenPanel& s : layout::screenPanels()) {
        auto* panel = create<ui::Panel>(QString::fromUtf8(s.name));
        panel->setBounds(s.place);
        panel->setColor(s.colour);
        panel->setCaption(QString::fromUtf8(s.caption));
        panel->setHint(QString::fromUtf8(s.hint));
    }
    auto* home = create<ui::Image>(QStringLiteral("Image29"), &get<ui::Panel>(QStringLiteral("Panel13")));
    home->setBounds(layout::kHomePicture);
    home->setStretch(true);
    home->setPicture(picture::loadPictureFile(files::nativePath(files::appDir() + QStringLiteral("Reserve\\Accueil.jpg"))));
}

void TFrmPrin::buildToolbar()
{
    auto* coolBar = create<ui::CoolBar>(QStringLiteral("CoolBar1"));
    coolBar->setBounds(layout::kCoolBar);
    coolBar->setColor(ui::colors::silver);
    auto* toolBar = create<ui::ToolBar>(QStringLiteral("ToolBar2"), coolBar);
    toolBar->setBounds(QRect(0, 0, layout::kCoolBar.width(), layout::kCoolBar.height()));
    toolBar->setButtonSize(QSize(layout::kToolButtonSize, layout::kToolButtonSize));
    toolBar->setShowHint(true);
    for (const layout::ToolbarButton& b : layout::toolbarButtons()) {
        auto* button = create<ui::ToolButton>(QString::fromUtf8(b.name), toolBar);
        if (!*b.handler) {
            button->setStyle(ui::ToolButton::Style::Separator);
            button->setSeparatorWidth(b.width);
            continue;
        }
        const QString hint = QString::fromUtf8(b.hint);
        button->setCaption(hint);
        button->setHint(hint);
        button->setShowHint(true);
        button->setIcon(picture::loadPictureFile(buttonArtworkPath(button->name())));
        const QString handler = QString::fromUtf8(b.handler);
        button->onClick = [this, handler] { handlers.run(handler); };
    }
}

void TFrmPrin::buildMenu()
{
    auto* mainMenu = createComponent<ui::MainMenu>(QStringLiteral("MainMenu1"));
    setMenu(mainMenu);
    for (const layout::Menu& m : layout::mainMenu()) {
        auto* menu = mainMenu->add(createComponent<ui::MenuItem>(QString::fromUtf8(m.name)));
        menu->setCaption(QString::fromUtf8(m.caption));
        for (const layout::MenuEntry& e : m.entries) {
            auto* entry = menu->add(createComponent<ui::MenuItem>(QString::fromUtf8(e.name)));
            entry->setCaption(QString::fromUtf8(e.caption));
            const QString handler = QString::fromUtf8(e.handler);
            entry->onClick = [this, handler] { handlers.run(handler); };
        }
    }
}

net::Waiting TFrmPrin::networkWaiting()
{
    net::Waiting waiting;
    ui::Application* application = &m_services.ui;
    waiting.processMessages = [application] { application->processMessages(); };
    return waiting;
}

// Quiet on purpose: the language file and the screens' show/hide lists name controls of screens a
// window may be built without.
ui::Control* TFrmPrin::control(const QString& name) const { return find<ui::Control>(name); }

void TFrmPrin::setVisibleIfBuilt(const QString& name, bool visible)
{
    if (auto* c = builtControl<ui::Control>(name))
        c->setVisible(visible);
}

void TFrmPrin::ShowMessageEntry(int entry) { application().showMessage(tables.message(entry)); }

QString TFrmPrin::programExeName() { return QStringLiteral("Qvl_eZantor.exe"); }

}  // namespace app
