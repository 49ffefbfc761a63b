#pragma once
// The HTML page of answers that a search of the search screen writes: head, credit line, heading,
// one table row per answer, page breaks for printing, tail. Every value and the search term are
// HTML-escaped, so a title holding "<" or "&" (or markup taken from a web page) shows as text.
#include <QString>
#include <QStringList>

namespace catalogue {

// The values of one answer, as stored in its row.
struct SearchAnswer {
    QString images;
    QString storagePlace;
    QString title;
    QString isbn13;
    QString author;
    QString publisher;
    QStringList middleFields;
    QString borrowerSurname;
    QString borrowerFirstName;
    QString borrowerClass;
    QString returnDate;
    QString summary;
};

class SearchScreenPage {
public:
    enum class Style { Large, RedHighlight };

    // The head, credit line and heading. `webSite` is the maker's address of the credit line.
    SearchScreenPage(Style style, const QString& webSite, const QString& term);

    struct RowLayout {
        QString coverWidth;
        QString coverHeight;
        bool storagePlace = true;
    };
    // `highlight` (capitals) is wrapped in the summary at its first occurrence there.
    void addAnswer(const SearchAnswer& answer, const RowLayout& layout, const QString& highlight = {});
    // Ends the printed page and opens the table of the next one.
    void addPageBreak();
    // The whole page, tail included.
    QString finish() const;

private:
    QString m_text;
};

}  // namespace catalogue
