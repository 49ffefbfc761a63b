// The preview program: the label sheet "Etiquettes.RTF" of its working folder, page by page.
#include "app/PlatformTexts.h"
#include "exchange/labels/BarcodeFonts.h"
#include "platform/richtext/PreviewEngine.h"
#include "platform/ui/Application.h"
#include "platform/ui/Clock.h"
#include "platform/ui/ToolkitTranslation.h"
#include "platform/ui/qt/QtDialogs.h"
#include "platform/ui/qt/QtPump.h"
#include "platform/ui/qt/Renderer.h"
#include "preview/PreviewWindow.h"

#include <QApplication>
#include <QPrinter>
#include <QPrinterInfo>

int main(int argc, char** argv)
{
    QApplication qt(argc, argv);
    ui::installToolkitTranslation(QStringLiteral("fr"));
    app::givePrintingTheProgramsTexts();
    ui::SystemClock clock;
    uiqt::QtDialogs dialogs;
    ui::Application application(clock, dialogs);
    application.setTitle(QStringLiteral("Preview"));
    labels::registerBarcodeFonts(QCoreApplication::applicationDirPath() + QStringLiteral("/Reserve"));
    // The printer the print dialog chose; without an installed printer, only once the user chose
    // to print to a file.
    richtext::PreviewEngine engine([&dialogs]() -> QPrinter* {
        QPrinter& printer = dialogs.printer();
        const bool chosen = printer.outputFormat() == QPrinter::PdfFormat ? !printer.outputFileName().isEmpty()
                                                                         : !QPrinterInfo::defaultPrinter().isNull();
        return chosen ? &printer : nullptr;
    });
    ui::PrintPreviewEngine::install(&engine);
    uiqt::Renderer renderer(application);
    uiqt::QtPump pump(application);
    preview::TFrmMain window(application);
    application.setMainForm(&window);
    window.show();
    return pump.exec();
}
