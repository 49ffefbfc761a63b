#pragma once
// The filters of the books grid, as criteria of the book table: the direct access by book number,
// code, copy label or beginning of a title, and the search of one field with an operator. The
// criteria are fixed texts around the field's name, only a plain name; the value typed is the
// criteria's one parameter, so nothing typed can add a condition.
#include <QString>
#include <optional>

namespace catalogue {

// The fields that filter as numbers, compared by their exact spelling.
bool isNumericGridField(const QString& field);

struct DirectAccess {
    enum class Outcome {
        Filter,     // criteria set, the box emptied
        ShowAll,    // filtering off
        Unchanged,  // a code of no known length: nothing changes, the text stays in the box
    };
    Outcome outcome = Outcome::Unchanged;
    QString criteria;
    QString value;  // of the criteria's "?"
    // A copy label chooses the field "NumLivre" for the next accesses.
    bool choosesBookNumberField = false;
};

// What the direct access does with the field list's text and the box's text; the field list is
// already emptied when the box is. A field that is no plain name changes nothing.
DirectAccess directAccess(const QString& field, const QString& boxText);

struct FieldSearch {
    // No value: the operator is none the search knows and the previous filter stays.
    std::optional<QString> criteria;
    QString value;  // of the criteria's "?"
    // The operator box's new text, when the search rewrites it.
    std::optional<QString> operatorText;
};

enum class SearchPanel { InField, SearchAndReplace };

// The criteria for a field, an operator text and a value (field and value not empty); none for a
// field that is no plain name.
FieldSearch fieldSearch(const QString& field, const QString& operatorText, const QString& value, SearchPanel panel);

// The criteria and sort that show every row in book-number order.
inline const QString kAllRowsFilter = QStringLiteral("NumLivre > '0'");
inline const QString kBookNumberSort = QStringLiteral("NumLivre ASC");

}  // namespace catalogue
