#pragma once
// The HTML catalogue of the books: which rows it takes (order, open range of book numbers,
// theme and owner filters, one row per title) and how each row is written, with a sheet break
// after every N rows for printing.
#include "platform/db/Params.h"

#include <QString>
#include <QStringList>

namespace exchange {

struct BookCatalogueOptions {
    enum class Order { Title, StoragePlace, Isbn13, Entry };
    QString title = QStringLiteral("Titre");
    QString coverWidth = QStringLiteral("80");
    QString coverHeight = QStringLiteral("120");
    int rowsPerSheet = 7;
    Order order = Order::Title;
    int from = 0;  // book numbers strictly between from and to
    int to = 99999;
    QString theme;
    QString owner;
    bool summary = false;
    bool publisher = false;
    bool type = false;
    bool descriptors = false;
    bool storagePlace = false;
    bool uniqueTitle = false;
};

// The query of the rows (the filters, when set, order by book number).
db::Command bookCatalogueQuery(const BookCatalogueOptions& options);

// The values of a book row the catalogue shows.
struct CatalogueBook {
    int number = 0;
    bool lastCopy = true;
    QString title, isbn13, author, publisher, type, summary, storagePlace, images, descriptors, copyNumber;
};

class BookCataloguePage {
public:
    explicit BookCataloguePage(const BookCatalogueOptions& options);
    // False when the options leave the book out.
    bool accepts(const CatalogueBook& book) const;
    void addBook(const CatalogueBook& book);
    // The page, closed whatever was added: a stopped build still gives a whole page.
    QString finish() const;

private:
    BookCatalogueOptions m_options;
    QString m_text;
    int m_sheetLeft;
};

}  // namespace exchange
