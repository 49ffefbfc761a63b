#include "app/HelpCommands.h"

#include "app/FrmPrin.h"
#include "platform/files/WindowsPath.h"
#include "platform/shell/Shell.h"
#include "platform/ui/Control.h"

namespace app {

HelpCommands::HelpCommands(TFrmPrin& frm) : m_frm(frm)
{
    auto bind = [&frm](const char* name, std::function<void()> handler) {
        const QString control = QString::fromLatin1(name);
        frm.handlers.bind(control + QStringLiteral("Click"), handler);
        frm.get<ui::Control>(control).onClick = std::move(handler);
    };
    frm.handlers.bind(QStringLiteral("Aide2Click"), [this] { Aide2Click(); });
    frm.handlers.bind(QStringLiteral("Vidos1Click"), [this] { Vidos1Click(); });
    frm.handlers.bind(QStringLiteral("Apropos1Click"), [this] { Apropos1Click(); });
    bind("Button87", [this] { Button87Click(); });
    bind("Button88", [this] { Button88Click(); });
    bind("Button78", [this] { Button78Click(); });
}

void HelpCommands::openDocument(const QString& fileName)
{
    m_frm.services().shell.open(files::nativePath(m_frm.AppDir + QStringLiteral("Documentation\\") + fileName));
}

void HelpCommands::Aide2Click() { openDocument(QStringLiteral("QvlZantor_ecole.html")); }

void HelpCommands::Button87Click() { openDocument(QStringLiteral("Astuce_recherche_livre.htm")); }

void HelpCommands::Button88Click() { openDocument(QStringLiteral("Astuce_complement_livre.htm")); }

void HelpCommands::Button78Click() { openDocument(QStringLiteral("Astuce_choisir_importation.htm")); }

void HelpCommands::Vidos1Click()
{
    // Without a maker's web host there is no page to open.
    const QString site = m_frm.settings.maker.webSite;
    if (!site.isEmpty())
        m_frm.services().shell.open(site + QStringLiteral("/articles.php?lng=fr&pg=23"));
}

void HelpCommands::Apropos1Click()
{
    for (const char* name : {"Panel1", "Panel2", "Panel3", "Panel4", "Panel5", "Panel6", "Panel7", "Panel8", "Panel9",
                             "Panel12", "Panel14", "Panel15", "Panel16", "Panel17", "Panel18", "Panel21", "Panel26",
                             "Recherche", "Identification", "Liste"})
        m_frm.setVisibleIfBuilt(QString::fromLatin1(name), false);
    m_frm.SlideIn(m_frm.get<ui::Control>(QStringLiteral("Panel13")), 40, 10);
    m_frm.ShowMessageEntry(127);
    for (const char* name : {"Recherche", "Identification", "Liste"})
        m_frm.setVisibleIfBuilt(QString::fromLatin1(name), false);
}

}  // namespace app
