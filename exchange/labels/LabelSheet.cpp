#include "exchange/labels/LabelSheet.h"

#include "app/TextRoutines.h"
#include "exchange/labels/BarcodeFace.h"
#include "platform/db/DataSet.h"
#include "platform/text/PascalText.h"
#include "platform/ui/RichEdit.h"

namespace labels {

namespace {

constexpr int kTitleCellWidth = 21;
const QString kLineEnd = QStringLiteral("\n\r");  // the builders' pair: LF, then CR

ui::Font blackFont(const char* face, int size)
{
    ui::Font font;
    font.name = QString::fromLatin1(face);
    font.size = size;
    font.color = ui::colors::black;
    return font;
}

struct LabelRow {
    QString codeBarres;
    QString isbn13;
    QString numLivre;
    QString titre;
};

QString titleCell(const QString& title) { return (title + Spaces(kTitleCellWidth)).left(kTitleCellWidth); }

}  // namespace

struct LabelSheet::Section {
    bool (*takes)(const LabelRow&);
    QString (*barcodeText)(const LabelRow&);
    ui::Font barcodeFont;
    int titleGapTimes;  // the title cell is followed by this many times the column gap
    int endPairs;       // LF CR pairs after "FIN"
};

LabelSheet::LabelSheet(ui::RichEdit& sheet, db::DataSet& rows) : m_sheet(sheet), m_rows(rows) {}

void LabelSheet::BuildEan13Labels(int columns, int columnGap, int rowGap)
{
    static const Section ean13{
        [](const LabelRow& r) { return isEan13FontText(r.codeBarres); },
        [](const LabelRow& r) { return text::Trim(r.codeBarres); },
        blackFont("Code EAN13", 40), 2, 1};
    // Emptied as by the rebuild without it: the librarian's Tab goes into the sheet either way.
    clear();
    build(ean13, columns, columnGap, rowGap);
}

void LabelSheet::BuildCode39Labels(int columns, int columnGap, int rowGap)
{
    static const Section code39{
        [](const LabelRow& r) { return !isEan13FontText(r.codeBarres); },
        [](const LabelRow& r) {
            const QString code = text::Trim(r.codeBarres);
            return code.isEmpty() ? QStringLiteral("*") + text::Trim(r.isbn13) + QStringLiteral("*") : code;
        },
        blackFont("c39hrp36dltt", 30), 2, 3};
    build(code39, columns, columnGap, rowGap);
}

void LabelSheet::BuildNumberLabels(int columns, int columnGap, int rowGap)
{
    static const Section copyNumbers{
        [](const LabelRow&) { return true; },
        [](const LabelRow& r) { return QStringLiteral("*I") + text::Trim(r.numLivre) + QStringLiteral("*"); },
        blackFont("c39hrp36dltt", 30), 3, 3};
    build(copyNumbers, columns, columnGap, rowGap);
}

void LabelSheet::clear()
{
    m_sheet.setWantTabs(true);
    m_sheet.clear();
    m_placed.clear();
}

void LabelSheet::build(const Section& section, int columns, int columnGap, int rowGap)
{
    static const ui::Font titleFont = blackFont("Courier New", 8);
    const auto append = [this](const QString& text, const ui::Font& font) {
        m_sheet.setSelStart(int(m_sheet.text().size()));
        m_sheet.setSelAttributes(font);
        m_sheet.setSelText(text);
    };

    if (!m_rows.active())
        m_rows.open();
    m_rows.first();
    QString barcodes, titles;
    int k = 0;
    for (; !m_rows.eof(); m_rows.next()) {
        if (m_rows.fieldByName(QStringLiteral("IMP_CodeBarres")).asString() != QLatin1String("Vrai"))
            continue;
        const LabelRow row{m_rows.fieldByName(QStringLiteral("CodeBarres")).asString(),
                           m_rows.fieldByName(QStringLiteral("Isbn13")).asString(),
                           m_rows.fieldByName(QStringLiteral("NumLivre")).asString(),
                           m_rows.fieldByName(QStringLiteral("Titre")).asString()};
        if (!section.takes(row))
            continue;
        ++k;
        barcodes += section.barcodeText(row) + Spaces(columnGap);
        titles += titleCell(row.titre) + Spaces(section.titleGapTimes * columnGap);
        m_placed << text::Trim(row.numLivre).toLongLong();
        if (k == columns) {
            k = 0;
            append(barcodes, section.barcodeFont);
            append(kLineEnd + titles + kLineEnd + CarriageReturns(rowGap), titleFont);
            barcodes.clear();
            titles.clear();
        }
    }
    append(barcodes, section.barcodeFont);
    QString end = kLineEnd + titles + kLineEnd + QStringLiteral("FIN");
    for (int i = 0; i < section.endPairs; ++i)
        end += kLineEnd;
    append(end, titleFont);
}

}  // namespace labels
