#pragma once
// What a source of book data found: the look-up puts it on the entry tab and sets its flags, so
// that a source reads its page or file and nothing else.
#include <QString>
#include <optional>

namespace web {

struct BookRecord {
    // Whether the source counts the book as found; unset leaves the look-up's finding as it was.
    std::optional<bool> found;
    // The entry tab's values the source gives; an unset one leaves its field as it was.
    std::optional<QString> title;        // Edit4
    std::optional<QString> author;       // Edit5
    std::optional<QString> publisher;    // Edit12
    std::optional<QString> published;    // Edit6
    std::optional<QString> pages;        // Edit7
    std::optional<QString> binding;      // Edit91
    std::optional<QString> price;        // Edit92
    std::optional<QString> dewey;        // Edit95
    std::optional<QString> summary;      // RichEdit4
    std::optional<QString> code;         // Edit10
    std::optional<QString> isbn10;       // Edit2
    std::optional<QString> barcodeText;  // Edit84
    std::optional<QString> coverName;    // Edit61
    std::optional<QString> keywords;     // Edit26
    std::optional<QString> genre;        // ComboBox12
    std::optional<QString> language;     // the book's language, saved with it
    // The descriptors and the type, which go with the book to its save.
    std::optional<QString> descriptors;
    std::optional<QString> type;
    std::optional<QString> priceSitePicture;  // Edit146
    std::optional<QString> webAddress;        // Edit99, the web result panel's address
    // The code is no longer taken as a product number.
    bool dropsProductNumber = false;

    // The cover's address at the source, fetched once the record is shown; empty when none.
    QString picture;
    // What the cover's fetch gave: the cover file stored in the covers folder (empty when none),
    // and the address it came from when the book screen shows it (Edit116).
    QString coverFile;
    QString coverAddress;
    // The source's own cover counts: the look-up's earlier cover is no longer its cover.
    bool replacesCover = false;
    // The book counts as found only once its cover was stored.
    bool foundWithCover = false;
};

}  // namespace web
