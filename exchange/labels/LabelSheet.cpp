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

// The fields a label is made of, looked up once for the whole walk.
struct LabelFields {
    db::Field flag;
    db::Field codeBarres;
    db::Field isbn13;
    db::Field numLivre;
    db::Field titre;

    explicit LabelFields(db::DataSet& rows)
        : flag(rows.fieldByName(QStringLiteral("IMP_CodeBarres"))),
          codeBarres(rows.fieldByName(QStringLiteral("CodeBarres"))),
          isbn13(rows.fieldByName(QStringLiteral("Isbn13"))),
          numLivre(rows.fieldByName(QStringLiteral("NumLivre"))),
          titre(rows.fieldByName(QStringLiteral("Titre")))
    {
    }
};

// A row's code, read first as it decides whether the row has a label in the section; the other
// fields are read as the label needs them.
struct LabelRow {
    const LabelFields& fields;
    QString codeBarres;
};

QString titleCell(const QString& title) { return title.leftJustified(kTitleCellWidth, u' ', true); }

}  // namespace

struct LabelSheet::Section {
    bool (*takes)(const QString& codeBarres);
    QString (*barcodeText)(const LabelRow&);
    ui::Font barcodeFont;
    int titleGapTimes;  // the title cell is followed by this many times the column gap
    int endPairs;       // LF CR pairs after "FIN"
};

LabelSheet::LabelSheet(ui::RichEdit& sheet, db::DataSet& rows) : m_sheet(sheet), m_rows(rows) {}

void LabelSheet::BuildEan13Labels(int columns, int columnGap, int rowGap)
{
    static const Section ean13{
        [](const QString& code) { return isEan13FontText(code); },
        [](const LabelRow& r) { return text::Trim(r.codeBarres); },
        blackFont("Code EAN13", 40), 2, 1};
    // Emptied as by the rebuild without it: the librarian's Tab goes into the sheet either way.
    clear();
    build(ean13, columns, columnGap, rowGap);
}

void LabelSheet::BuildCode39Labels(int columns, int columnGap, int rowGap)
{
    static const Section code39{
        [](const QString& code) { return !isEan13FontText(code); },
        [](const LabelRow& r) {
            const QString code = text::Trim(r.codeBarres);
            return code.isEmpty() ? QStringLiteral("*") + text::Trim(r.fields.isbn13.asString()) + QStringLiteral("*")
                                  : code;
        },
        blackFont("c39hrp36dltt", 30), 2, 3};
    build(code39, columns, columnGap, rowGap);
}

void LabelSheet::BuildNumberLabels(int columns, int columnGap, int rowGap)
{
    static const Section copyNumbers{
        [](const QString&) { return true; },
        [](const LabelRow& r) {
            return QStringLiteral("*I") + text::Trim(r.fields.numLivre.asString()) + QStringLiteral("*");
        },
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
    const LabelFields fields(m_rows);
    const QString barcodeGap = Spaces(columnGap);
    const QString titleGap = Spaces(section.titleGapTimes * columnGap);
    QString barcodes, titles;
    int k = 0;
    for (; !m_rows.eof(); m_rows.next()) {
        if (fields.flag.asString() != QLatin1String("Vrai"))
            continue;
        const LabelRow row{fields, fields.codeBarres.asString()};
        if (!section.takes(row.codeBarres))
            continue;
        ++k;
        barcodes += section.barcodeText(row);
        barcodes += barcodeGap;
        titles += titleCell(fields.titre.asString());
        titles += titleGap;
        m_placed << fields.numLivre.asInteger();
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
