#include "exchange/BookCatalogue.h"

#include "exchange/HtmlPage.h"

namespace exchange {

db::Command bookCatalogueQuery(const BookCatalogueOptions& o)
{
    const QString books = QStringLiteral("Select * FROM table1 WHERE Type = 'LIVRE'");
    if (!o.theme.isEmpty() || !o.owner.isEmpty()) {
        db::Command c{books, {}};
        if (!o.theme.isEmpty()) {
            c.sql += QStringLiteral(" AND Mot_Cle = ?");
            c.params.add(o.theme);
        }
        if (!o.owner.isEmpty()) {
            c.sql += QStringLiteral(" AND Proprio = ?");
            c.params.add(o.owner);
        }
        c.sql += QStringLiteral(" ORDER BY NumLivre");
        return c;
    }
    switch (o.order) {
    case BookCatalogueOptions::Order::Title: return {books + QStringLiteral(" ORDER BY titre"), {}};
    case BookCatalogueOptions::Order::StoragePlace: return {books + QStringLiteral(" ORDER BY LieuRangement"), {}};
    case BookCatalogueOptions::Order::Isbn13: return {books + QStringLiteral(" ORDER BY Isbn13"), {}};
    case BookCatalogueOptions::Order::Entry: break;
    }
    return {books, {}};
}

BookCataloguePage::BookCataloguePage(const BookCatalogueOptions& options)
    : m_options(options), m_sheetLeft(options.rowsPerSheet)
{
    m_text = pageHead(options.title) + headingParagraph(options.title) + tableStart(485);
}

bool BookCataloguePage::accepts(const CatalogueBook& b) const
{
    if (!(b.number > m_options.from && b.number < m_options.to))
        return false;
    return !m_options.uniqueTitle || b.lastCopy;
}

void BookCataloguePage::addBook(const CatalogueBook& b)
{
    const BookCatalogueOptions& o = m_options;
    const QString publisher = o.publisher ? b.publisher : QString();
    const QString type = o.type ? b.type : QString();
    const QString summary = o.summary ? b.summary : QString();
    const QString descriptors = o.descriptors ? b.descriptors : QString();
    const QString copies = QStringLiteral("NbrExemplaire : ") + b.copyNumber;
    QStringList paragraphs{b.author, publisher, b.isbn13, type, o.theme, summary};
    if (o.storagePlace)
        paragraphs << copies << descriptors;
    else
        paragraphs << descriptors << copies;
    paragraphs << o.owner;
    for (QString& p : paragraphs)
        p = htmlText(p);
    m_text += pictureCell(QStringLiteral("livres/Jaquettes/"), b.images, o.coverWidth, o.coverHeight);
    if (o.storagePlace)
        m_text += placePictureCell(b.storagePlace);
    m_text += textCell(htmlText(b.title), paragraphs);
    if (m_sheetLeft == 1) {
        m_text += pageBreak(650);
        m_sheetLeft = o.rowsPerSheet;
    } else {
        --m_sheetLeft;
    }
}

QString BookCataloguePage::finish() const
{
    return m_text + kPageEnd;
}

}  // namespace exchange
