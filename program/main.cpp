// The program: one instance per user, its windows on the screen, the message loop.
#include "app/FrmPrin.h"
#include "app/Program.h"
#include "app/SingleStart.h"
#include "exchange/labels/BarcodeFonts.h"
#include "program/ProgramScreens.h"
#include "platform/browser/EngineWebPages.h"
#include "platform/files/WindowsPath.h"
#include "platform/media/SoundCommands.h"
#include "platform/richtext/PreviewEngine.h"
#include "platform/shell/SingleInstance.h"
#include "platform/shell/SystemShell.h"
#include "platform/ui/Application.h"
#include "platform/ui/Clock.h"
#include "platform/ui/ToolkitTranslation.h"
#include "platform/ui/qt/QtDialogs.h"
#include "platform/ui/qt/QtPump.h"
#include "platform/ui/qt/Renderer.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFontDatabase>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QSessionManager>

int main(int argc, char** argv)
{
    QApplication qt(argc, argv);
    ui::installToolkitTranslation(QStringLiteral("fr"));
    ui::SystemClock clock;
    uiqt::QtDialogs dialogs;
    ui::Application application(clock, dialogs);
    // A second start ends before any window; a lock that cannot be taken is reported first.
    shell::SingleInstance instance(shell::SingleInstance::lockPathFor(app::Program::kInstanceName));
    if (!app::claimSingleStart(instance, application))
        return instance.errorString().isEmpty() ? 0 : 1;

    files::setProgramFolder(QCoreApplication::applicationDirPath());
    // The program works in its own folder, wherever it was started from: the preview program it
    // starts reads the label file from the working folder it inherits.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    // The web views, a word processor opening the label file and the desktop's other programs
    // find the barcode faces through fontconfig, before the web engine starts.
    labels::installBarcodeFonts(QCoreApplication::applicationDirPath() + QStringLiteral("/Reserve"));
    // The label sheet prints on the current printer as the rich-edit control lays it out.
    QPrinter printer(QPrinter::HighResolution);
    richtext::PreviewEngine printing(
        [&printer]() -> QPrinter* { return QPrinterInfo::defaultPrinter().isNull() ? nullptr : &printer; });
    ui::PrintPreviewEngine::install(&printing);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        application.setScreenSize(screen->size());
    uiqt::Renderer renderer(application);
    uiqt::QtPump pump(application);
    browser::EngineWebPages engine;
    ui::WebEngine::install(&engine);

    shell::SystemShell shell;
    media::SoundCommands sound([](const QString& path) { return files::nativePath(path); });
    app::ProgramServices services{application, shell, sound,
                                  [](const QString& path) { return QFontDatabase::addApplicationFont(path) >= 0; },
                                  [] { return QGuiApplication::clipboard()->text(); }};
    app::Program program(services);
    program.start(program::programScreens());
    // The end of the desktop session closes the main window, whose way out keeps the day's copies.
    QObject::connect(&qt, &QGuiApplication::commitDataRequest,
                     [&program](QSessionManager&) { program.mainWindow().close(); });
    return pump.exec();
}
