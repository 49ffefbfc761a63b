// Label sheets of the 50,000-copy catalogue, each flagged copy giving its code label and its
// copy-number label. label_sheet: 500 labels, the rebuild button (label query, sheet,
// Etiquettes.RTF), the RTF text alone, the page layout, and every page drawn at the printer's
// 300 dpi. label_sheet_10000: 10,000 labels built, saved and shown by the preview program,
// against the same copies read with one SQLite statement and their RTF text written directly
// (and, for comparison, against the write alone); then the preview opening two hostile
// label files, one 500,000-character word and 300,000 paragraphs. label_sheet_shown: 2,500,
// 5,000 and 10,000 labels built with the label screen shown on the (offscreen) desktop.
#include "app/FrmPrin.h"
#include "app/TextRoutines.h"
#include "exchange/labels/BarcodeFace.h"
#include "exchange/labels/BarcodeFonts.h"
#include "platform/db/DataSet.h"
#include "platform/richtext/PageLayout.h"
#include "platform/richtext/PreviewEngine.h"
#include "platform/richtext/RichEditContent.h"
#include "platform/richtext/RtfWriter.h"
#include "platform/text/PascalText.h"
#include "platform/text/Windows1252.h"
#include "platform/ui/Edit.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/RichEditPrintPreview.h"
#include "platform/ui/qt/Renderer.h"
#include "preview/PreviewWindow.h"
#include "tools/bench/BareSqlite.h"
#include "tools/bench/BenchProgram.h"
#include "tools/bench/Benchmark.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTextLayout>
#include <cstdio>

namespace {

constexpr int kFlaggedCopies = 250;
constexpr int kPrinterDpi = 300;
constexpr double kTwipsPerInch = 1440.0;
const QString kSheetFile = QStringLiteral("Etiquettes.RTF");

void ensureGuiApplication()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "qvl-bench";
    static char* argv[] = {name, nullptr};
    // Widgets, for the screen shown.
    new QApplication(argc, argv);
}

// The program in a folder of its own, logged in, on the label screen of the catalogue whose
// first `flagged` copies wait for labels, laid out three to a row, two blanks apart, one empty
// line between rows.
struct LabelScreen {
    bench::BenchProgramFolder folder;
    bool entered = enter(folder);
    bench::LoggedInProgram program;

    explicit LabelScreen(int flagged)
    {
        app::TFrmPrin& frm = program.frm();
        flag(flagged);
        program.input.menu(QStringLiteral("Livres > Etiquettes Codebarre"));
        for (const auto& [box, value] : {std::pair{"Edit76", "3"}, std::pair{"Edit77", "2"}, std::pair{"Edit78", "1"}})
            frm.get<ui::CustomEdit>(QString::fromLatin1(box)).setText(QString::fromLatin1(value));
    }

    // The catalogue's copies were saved flagged: only the week's new copies wait for labels.
    void flag(int flagged)
    {
        db::Connection& connection = program.frm().db.ADOConnection1;
        connection.execute(QStringLiteral("UPDATE Table1 SET IMP_CodeBarres = False"));
        connection.execute(QStringLiteral("UPDATE Table1 SET IMP_CodeBarres = True WHERE NumLivre <= ?"), {flagged});
    }

    static bool enter(const bench::BenchProgramFolder& folder)
    {
        ensureGuiApplication();
        folder.enter();
        labels::registerBarcodeFonts(QDir(folder.folder()).filePath(QStringLiteral("Reserve")));
        return true;
    }
};

// Milliseconds the preview program takes to start on the label file of the working folder and
// draw its first page as its view does.
double previewOpeningMs()
{
    richtext::PreviewEngine engine([]() -> QPrinter* { return nullptr; });
    ui::PrintPreviewEngine::install(&engine);
    ui::VirtualClock clock;
    ui::ScriptedDialogs dialogs;
    ui::Application application(clock, dialogs);
    QElapsedTimer timer;
    timer.start();
    {
        preview::TFrmMain window(application);
        const ui::RichEditPrintPreview& preview = *window.PrintPreview;
        QImage image(std::max(1, preview.imageWidth()), std::max(1, preview.imageHeight()), QImage::Format_RGB32);
        QPainter painter(&image);
        painter.scale(double(image.width()) / preview.pageSize().width(), double(image.height()) / preview.pageSize().height());
        engine.paint(*window.RichEdit1, preview.pageDrawing(preview.currentPage()), painter);
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    ui::PrintPreviewEngine::install(nullptr);
    return ms;
}

struct PlainLabel {
    QString code;
    QString title;
};

QByteArray plainRtfText(const QString& text)
{
    QByteArray out;
    const QByteArray bytes = text::encodeWindows1252(text);
    for (char c : bytes) {
        if (c == '\\' || c == '{' || c == '}')
            out += '\\';
        if (uchar(c) < 0x80)
            out += c;
        else
            out += "\\'" + QByteArray::number(uchar(c), 16);
    }
    return out;
}

// The sheet's RTF text built plainly, section by section: rows of codes in the barcode face,
// rows of titles in Courier New 8, paragraph ends as the builders put them, then "FIN".
QByteArray plainSheet(const std::vector<std::pair<QByteArray, std::vector<PlainLabel>>>& sections, int columns, int gap,
                      int rowGap)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Code EAN13;}{\\f1 c39hrp36dltt;}"
                     "{\\f2 Courier New;}}\r\n\\paperw11908\\paperh16832 ";
    const QByteArray blanks(gap, ' '), pair = "\\par\r\n\\par\r\n";
    for (const auto& [face, labels] : sections) {
        for (size_t row = 0; row < labels.size(); row += size_t(columns)) {
            rtf += face;
            const size_t end = std::min(labels.size(), row + size_t(columns));
            for (size_t i = row; i < end; ++i)
                rtf += plainRtfText(labels[i].code) + blanks;
            rtf += "\\plain\\f2\\fs16 " + pair;
            for (size_t i = row; i < end; ++i)
                rtf += plainRtfText((labels[i].title + QString(21, u' ')).left(21)) + blanks + blanks;
            rtf += pair;
            for (int i = 0; i < rowGap; ++i)
                rtf += "\\par\r\n";
        }
        rtf += "FIN" + pair + pair + pair;
    }
    rtf += "}\r\n";
    return rtf;
}

// The labels of a sheet as its sections take them: EAN-13 codes, the other codes in Code 39,
// and every copy's number.
struct PlainSections {
    std::vector<PlainLabel> ean13, code39, numbers;

    void add(const QString& code, const QString& isbn13, const QString& number, const QString& title)
    {
        if (labels::isEan13FontText(code))
            ean13.push_back({code, title});
        else
            code39.push_back({code.isEmpty() ? QStringLiteral("*") + isbn13 + QStringLiteral("*") : code, title});
        numbers.push_back({QStringLiteral("*I") + number + QStringLiteral("*"), title});
    }

    size_t size() const { return ean13.size() + code39.size() + numbers.size(); }

    QStringList labelTexts() const
    {
        QStringList texts;
        for (const auto* section : {&ean13, &code39, &numbers})
            for (const PlainLabel& label : *section)
                texts << label.code + label.title;
        return texts;
    }
};

QString columnText(sqlite3_stmt* statement, int column)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
                             sqlite3_column_bytes(statement, column)).trimmed();
}

// The flagged copies, in title order as the sheet takes them.
PlainSections readPlainLabels(const QString& database)
{
    PlainSections sections;
    bench::BareSqlite bare(database);
    sqlite3_stmt* select = nullptr;
    sqlite3_prepare_v2(bare.handle(),
                       "SELECT CodeBarres, Isbn13, NumLivre, Titre FROM Table1 "
                       "WHERE Type <> '' AND IMP_CodeBarres = 1 ORDER BY Titre",
                       -1, &select, nullptr);
    while (sqlite3_step(select) == SQLITE_ROW)
        sections.add(columnText(select, 0), columnText(select, 1), columnText(select, 2), columnText(select, 3));
    sqlite3_finalize(select);
    return sections;
}

// The labels of the rows the program's sheet was built from, in the same order.
PlainSections placedLabels(db::DataSet& rows)
{
    PlainSections sections;
    const auto field = [&rows](const char* name) { return text::Trim(rows.fieldByName(QString::fromLatin1(name)).asString()); };
    for (rows.first(); !rows.eof(); rows.next())
        sections.add(field("CodeBarres"), field("Isbn13"), field("NumLivre"), field("Titre"));
    return sections;
}

}  // namespace

QVL_BENCHMARK(label_sheet)
{
    LabelScreen screen(kFlaggedCopies);
    bench::LoggedInProgram& program = screen.program;
    app::TFrmPrin& frm = program.frm();

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

QVL_BENCHMARK(label_sheet_10000)
{
    constexpr int kLabels = 10000;
    LabelScreen screen(kLabels / 2);
    bench::LoggedInProgram& program = screen.program;
    app::TFrmPrin& frm = program.frm();
    const bench::BenchProgramFolder& folder = screen.folder;

    double buildMs = 0, showMs = 0;
    const double oursMs = bench::timeMs([&] {
        buildMs = bench::timeMs([&] { program.input.click(QStringLiteral("SpeedButton35")); });
        showMs = previewOpeningMs();
    });

    // The same labels done plainly: the flagged copies read with one SQLite statement, in title
    // order as the sheet takes them, and the RTF text written directly.
    const QString plainPath = QDir(folder.folder()).filePath(QStringLiteral("Plain.RTF"));
    const QString database = QDir(folder.folder()).filePath(QStringLiteral("Test1.bib"));
    PlainSections plain;
    qsizetype plainBytes = 0;
    double plainReadMs = 0;
    const double plainMs = bench::timeMs([&] {
        plainReadMs = bench::timeMs([&] { plain = readPlainLabels(database); });
        const QByteArray rtf = plainSheet({{"\\plain\\f0\\fs80 ", plain.ean13}, {"\\plain\\f1\\fs60 ", plain.code39},
                                           {"\\plain\\f1\\fs60 ", plain.numbers}},
                                          3, 2, 1);
        QFile file(plainPath);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            plainBytes = file.write(rtf);
    });
    if (plain.labelTexts() != placedLabels(frm.db.ars).labelTexts())
        std::fprintf(stderr, "label_sheet_10000: the plain sheet holds other labels than the program's\n");

    bench::print(QStringLiteral("label_sheet_10000 labels"), double(plain.size()));
    bench::print(QStringLiteral("label_sheet_10000 build_and_save_ms"), buildMs, "ms");
    bench::print(QStringLiteral("label_sheet_10000 preview_open_ms"), showMs, "ms");
    bench::print(QStringLiteral("label_sheet_10000 ours_ms"), oursMs, "ms");
    bench::print(QStringLiteral("label_sheet_10000 rtf_kib"), QFile(QDir(folder.folder()).filePath(kSheetFile)).size() / 1024.0, "KiB");
    bench::print(QStringLiteral("label_sheet_10000 plain_read_ms"), plainReadMs, "ms");
    bench::print(QStringLiteral("label_sheet_10000 plain_write_ms"), plainMs - plainReadMs, "ms");
    bench::print(QStringLiteral("label_sheet_10000 plain_ms"), plainMs, "ms");
    bench::print(QStringLiteral("label_sheet_10000 plain_rtf_kib"), plainBytes / 1024.0, "KiB");
    bench::print(QStringLiteral("label_sheet_10000 ours_against_the_write_alone"), oursMs / (plainMs - plainReadMs));
    bench::printRatio(QStringLiteral("label_sheet_10000"), oursMs / plainMs);
    // What showing costs at the least: the sheet's lines broken by Qt alone, in one face, one
    // text layout a line, across the page's width.
    const QString sheetText = frm.get<ui::RichEdit>(QStringLiteral("Richedit1")).text();
    const double lineBreakingMs = bench::timeMs([&] {
        const richtext::PageSetup page;
        const QFont face = richtext::layoutFont(richtext::CharFormat{QStringLiteral("Courier New"), 16});
        for (const QString& line : sheetText.split(QRegularExpression(QStringLiteral("\r|\n")))) {
            QTextLayout layout(line, face);
            layout.beginLayout();
            while (layout.createLine().isValid())
                layout.lineAt(layout.lineCount() - 1).setLineWidth(page.paperWidth - page.marginLeft - page.marginRight);
            layout.endLayout();
        }
    });
    bench::print(QStringLiteral("label_sheet_10000 qt_line_breaking_alone_ms"), lineBreakingMs, "ms");

    // Hostile label files, opened by the preview program.
    const auto openFile = [&](const QByteArray& rtf) {
        QFile file(QDir(folder.folder()).filePath(kSheetFile));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(rtf);
        file.close();
        return previewOpeningMs();
    };
    QByteArray word;
    for (int i = 0; i < 500000; ++i)
        word += char('a' + i % 26);
    bench::print(QStringLiteral("label_sheet_10000 preview_one_500000_character_word_ms"),
                 openFile("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 " + word + "}"), "ms");
    QByteArray paragraphs = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 ";
    for (int i = 1; i <= 300000; ++i)
        paragraphs += "Ligne " + QByteArray::number(i) + "\\par\r\n";
    bench::print(QStringLiteral("label_sheet_10000 preview_300000_paragraphs_ms"), openFile(paragraphs + "}"), "ms");
}

QVL_BENCHMARK(label_sheet_shown)
{
    LabelScreen screen(0);
    uiqt::Renderer renderer(screen.program.p.application);
    for (const int labels : {2500, 5000, 10000}) {
        screen.flag(labels / 2);
        const double ms = bench::timeMs([&] { screen.program.input.click(QStringLiteral("SpeedButton35")); });
        const double shownMs = bench::timeMs([] { QCoreApplication::processEvents(); });
        const QString name = QStringLiteral("label_sheet_shown %1").arg(labels);
        bench::print(name + QStringLiteral(" build_and_save_ms"), ms, "ms");
        bench::print(name + QStringLiteral(" next_turn_ms"), shownMs, "ms");
        bench::print(name + QStringLiteral(" us_per_label"), ms * 1000 / labels, "us");
    }
}
