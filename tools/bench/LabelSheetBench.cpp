// A sheet of 500 labels (250 flagged copies of the 50,000-copy catalogue, each with its code
// label and its copy-number label): the rebuild button (label query, sheet, Etiquettes.RTF),
// the RTF text alone, the page layout, and every page drawn at the printer's 300 dpi.
#include "app/FrmPrin.h"
#include "exchange/labels/BarcodeFonts.h"
#include "platform/richtext/PageLayout.h"
#include "platform/richtext/RichEditContent.h"
#include "platform/richtext/RtfWriter.h"
#include "platform/ui/Edit.h"
#include "platform/ui/RichEdit.h"
#include "tools/bench/BenchProgram.h"
#include "tools/bench/Benchmark.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

namespace {

constexpr int kFlaggedCopies = 250;
constexpr int kPrinterDpi = 300;
constexpr double kTwipsPerInch = 1440.0;

void ensureGuiApplication()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "qvl-bench";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
}

}  // namespace

QVL_BENCHMARK(label_sheet)
{
    ensureGuiApplication();
    bench::BenchProgramFolder folder;
    folder.enter();
    labels::registerBarcodeFonts(QDir(folder.folder()).filePath(QStringLiteral("Reserve")));

    bench::LoggedInProgram program;
    app::TFrmPrin& frm = program.frm();
    // The catalogue's copies were saved flagged: only the week's new copies wait for labels.
    frm.db.ADOConnection1.execute(QStringLiteral("UPDATE Table1 SET IMP_CodeBarres = False"));
    frm.db.ADOConnection1.execute(
        QStringLiteral("UPDATE Table1 SET IMP_CodeBarres = True WHERE NumLivre <= ?"), {kFlaggedCopies});
    program.input.menu(QStringLiteral("Livres > Etiquettes Codebarre"));
    for (const auto& [box, value] : {std::pair{"Edit76", "3"}, std::pair{"Edit77", "2"}, std::pair{"Edit78", "1"}})
        frm.get<ui::CustomEdit>(QString::fromLatin1(box)).setText(QString::fromLatin1(value));

    const double rebuildMs = bench::timeMs([&] { program.input.click(QStringLiteral("SpeedButton35")); }, 3);
    const ui::RichEdit& sheet = frm.get<ui::RichEdit>(QStringLiteral("Richedit1"));
    const richtext::Document document = richtext::documentOf(sheet.runs());
    QByteArray rtf;
    const double rtfMs = bench::timeMs([&] { rtf = richtext::writeRtf(richtext::documentOf(sheet.runs())); }, 3);

    const richtext::PageSetup& page = document.page;
    const QRect textRect(page.marginLeft, page.marginTop, page.paperWidth - page.marginLeft - page.marginRight,
                         page.paperHeight - page.marginTop - page.marginBottom);
    std::vector<int> ends;
    const double layoutMs = bench::timeMs([&] { ends = richtext::PageLayout(document).paginate(textRect); }, 3);

    const QSize pixels(qRound(page.paperWidth * kPrinterDpi / kTwipsPerInch), qRound(page.paperHeight * kPrinterDpi / kTwipsPerInch));
    const double renderMs = bench::timeMs([&] {
        richtext::PageLayout layout(document);
        int start = 0;
        for (int end : ends) {
            QImage image(pixels, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.scale(kPrinterDpi / kTwipsPerInch, kPrinterDpi / kTwipsPerInch);
            layout.render({start, end, textRect}, painter);
            start = end;
        }
    });

    bench::print(QStringLiteral("label_sheet labels"), kFlaggedCopies * 2);
    bench::print(QStringLiteral("label_sheet rebuild_and_save_ms"), rebuildMs, "ms");
    bench::print(QStringLiteral("label_sheet rtf_ms"), rtfMs, "ms");
    bench::print(QStringLiteral("label_sheet rtf_kib"), rtf.size() / 1024.0, "KiB");
    bench::print(QStringLiteral("label_sheet layout_ms"), layoutMs, "ms");
    bench::print(QStringLiteral("label_sheet pages"), double(ends.size()));
    bench::print(QStringLiteral("label_sheet render_300dpi_ms"), renderMs, "ms");
}
