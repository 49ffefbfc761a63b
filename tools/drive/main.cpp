// qvl-drive [--render] [--preview] PROGRAM_FOLDER SCRIPT: runs the program headless in
// PROGRAM_FOLDER and plays SCRIPT. With --render the windows are also drawn (on a private Xvfb
// display, web pages included, unless a platform other than offscreen is chosen; offscreen
// without Xvfb), so that `screenshot` can write pictures of them. With
// --preview the preview program runs instead, in the same folder as its working folder, and
// prints to Preview.pdf there.
#include "app/PlatformTexts.h"
#include "exchange/labels/BarcodeFonts.h"
#include "platform/browser/EngineWebPages.h"
#include "platform/richtext/PreviewEngine.h"
#include "platform/files/WindowsPath.h"
#include "platform/ui/Application.h"
#include "platform/ui/Form.h"
#include "platform/ui/ToolkitTranslation.h"
#include "platform/ui/qt/Renderer.h"
#include "preview/PreviewWindow.h"
#include "tools/drive/PrivateDisplay.h"
#include "tools/drive/RealInput.h"
#include "tools/drive/ScenarioRunner.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <cstdio>
#include <memory>

namespace {

constexpr int kFramesSettleMs = 500;

}  // namespace

int main(int argc, char** argv)
{
    const bool render = argc > 1 && QByteArray(argv[1]) == "--render";
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    drive::PrivateDisplay display;
    if (platform.isEmpty() || platform == "offscreen") {
        if (!render || !display.start())
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The web views' engine needs a graphical application even when nothing is drawn.
    std::unique_ptr<QCoreApplication> qt = render ? std::make_unique<QApplication>(argc, argv)
                                                  : std::make_unique<QGuiApplication>(argc, argv);
    // Qt's own texts as the program shows them.
    ui::installToolkitTranslation(QStringLiteral("fr"));
    browser::EngineWebPages engine;
    ui::WebEngine::install(&engine);
    QStringList args = qt->arguments().mid(1);
    if (render)
        args.removeFirst();
    const bool preview = !args.isEmpty() && args.first() == QStringLiteral("--preview");
    if (preview)
        args.removeFirst();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: qvl-drive [--render] [--preview] PROGRAM_FOLDER SCRIPT\n");
        return 2;
    }
    QFile scriptFile(args[1]);
    if (!scriptFile.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "qvl-drive: cannot read %s\n", qPrintable(args[1]));
        return 2;
    }
    std::vector<drive::Action> actions;
    try {
        actions = drive::parseScript(QString::fromUtf8(scriptFile.readAll()));
    } catch (const drive::ScriptError& e) {
        std::fprintf(stderr, "qvl-drive: %s: %s\n", qPrintable(args[1]), e.what());
        return 2;
    }
    const QString folder = QFileInfo(args[0]).absoluteFilePath();
    if (!QFileInfo(folder).isDir()) {
        std::fprintf(stderr, "qvl-drive: no program folder %s\n", qPrintable(folder));
        return 2;
    }
    files::setProgramFolder(folder);
    QDir::setCurrent(folder);
    // Both programs draw the labels, cards and barcode fields in the delivered faces.
    labels::registerBarcodeFonts(QDir(folder).filePath(QStringLiteral("Reserve")));

    QTextStream out(stdout);
    drive::ScenarioRunner runner(out);
    QPrinter pdf(QPrinter::HighResolution);
    richtext::PreviewEngine previewEngine([&pdf] { return &pdf; });
    if (preview) {
        richtext::setUpPdfPrinter(pdf, QDir(folder).filePath(QStringLiteral("Preview.pdf")));
        app::givePrintingTheProgramsTexts();
        ui::PrintPreviewEngine::install(&previewEngine);
        runner.setStart([](ui::Application& application) {
            auto window = std::make_unique<preview::TFrmMain>(application);
            application.setMainForm(window.get());
            window->show();
            return std::unique_ptr<ui::Form>(std::move(window));
        });
    }
    if (render) {
        runner.setAttach([&runner](ui::Application& application) {
            auto renderer = std::make_shared<uiqt::Renderer>(application);
            if (QGuiApplication::platformName() == QStringLiteral("xcb") && drive::RealInput::available())
                runner.setRealInput(std::make_shared<drive::RealInput>(*renderer, application));
            std::weak_ptr<uiqt::Renderer> weak = renderer;
            runner.setScreenshot([weak, &application](const QString& file) {
                const auto shown = weak.lock();
                // Views that refresh through Qt's queue (the grids) show their rows first; the
                // web engine hands a page it has just completed to its view with its next frames.
                QDeadlineTimer settled(kFramesSettleMs);
                while (!settled.hasExpired())
                    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
                const ui::Form* form = application.activeForm() ? application.activeForm() : application.mainForm();
                return shown && form && shown->grab(*form).save(file, "PNG");
            });
            return std::shared_ptr<void>(renderer);
        });
    }
    return runner.run(actions);
}
