#include "app/Program.h"

#include "app/FrmPrin.h"
#include "app/LanguageForm.h"
#include "app/PlatformTexts.h"
#include "app/Login.h"
#include "app/PictureButtons.h"
#include "app/SplashForm.h"
#include "app/TipsForm.h"
#include "app/WebPageMenu.h"
#include "platform/files/WindowsPath.h"
#include "platform/shell/Shell.h"
#include "platform/ui/Application.h"

namespace app {

namespace {

// Callers hand the desktop native paths of files and folders, or web addresses.
QString openFailureText(const QString& target)
{
    if (target.startsWith(u'/'))
        return QStringLiteral("Le fichier %1 n'a pas pu être ouvert.").arg(target);
    return QStringLiteral("La page %1 n'a pas pu être ouverte.").arg(target);
}

}  // namespace

Program::Program(ProgramServices& services) : m_services(services) {}

Program::~Program() = default;

void Program::start(const std::vector<ScreenInstaller>& screens)
{
    givePlatformTheProgramsTexts();
    ui::Application& application = m_services.ui;
    m_splash = std::make_unique<TForm1>(application, files::nativePath(files::appDir() + QStringLiteral("Reserve\\Splash.jpg")));
    m_splash->show();
    application.processMessages();

    m_helpFile = files::appDir() + QStringLiteral("Documentation\\BibeZantor_ecole.html");
    application.setTitle(QStringLiteral("QvlZantor"));

    m_main = std::make_unique<TFrmPrin>(m_services);
    TFrmPrin& main = *m_main;
    for (const ScreenInstaller& install : screens)
        install(main);
    loadPictureButtons(main);
    giveWebViewsTheirPageMenu(main);
    // Whatever ends the program commits and closes the database first.
    m_services.shell.setCleanUp([&main] { main.db.ADOConnection1.close(); });
    m_services.shell.setOpenFailure(
        [&application](const QString& target) { application.showMessage(openFailureText(target)); });
    application.guard([&main] { main.FormCreate(); });

    m_tips = std::make_unique<TForm2>(application, main);
    bindLogin(main, *m_tips);
    m_language = std::make_unique<TForm4>(application, main.LanguageText);
    main.handlers.bind(QStringLiteral("Language1Click"), [this] { m_language->showModal(); });
    m_splash->close();
    main.show();
}

}  // namespace app
