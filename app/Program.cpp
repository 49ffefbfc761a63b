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
    application.guard([&main] { main.FormCreate(); });

    m_tips = std::make_unique<TForm2>(application, main);
    bindLogin(main, *m_tips);
    m_language = std::make_unique<TForm4>(application, main.LanguageText);
    main.handlers.bind(QStringLiteral("Language1Click"), [this] { m_language->showModal(); });
    m_splash->close();
    main.show();
}

}  // namespace app
