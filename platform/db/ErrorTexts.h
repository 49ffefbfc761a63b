#pragma once
// The wording of the layer's own errors, which handlers show to the user as they are: English
// until the program gives its own table at start. "%1" and "%2" stand for the values named.
#include <QString>

namespace db {

struct ErrorTexts {
    QString invalidValue = QStringLiteral("'%1' is not a valid value for the field %2");        // value, field
    QString invalidPattern = QStringLiteral("'%1' is not a valid pattern for the field %2");    // value, field
    QString tooLong = QStringLiteral("the value is too long for the field %1 (at most %2 characters)");
    QString invalidInteger = QStringLiteral("'%1' is not a valid integer value");
    QString incompleteStatement = QStringLiteral("syntax error: incomplete statement");
    QString syntaxNear = QStringLiteral("syntax error near \"%1\"");
    QString duplicateDestination = QStringLiteral("duplicate output destination '%1'");
    QString valueCountMismatch = QStringLiteral("number of query values and destination fields are not the same");
    QString missingParameterValue = QStringLiteral("no value given for the parameter %1");  // ?n or :name
    QString unusedParameterValue = QStringLiteral("a value is given for the parameter %1, which the text does not have");
    QString fieldNotUpdatable = QStringLiteral("the field %1 cannot be updated");
    QString fieldNotModifiable = QStringLiteral("Field '%1' cannot be modified");
    QString noSuchColumn = QStringLiteral("no such column: %1");
    QString noSuchTable = QStringLiteral("no such table: %1");
    QString noFieldNumber = QStringLiteral("no field number %1");
    QString closedDataSet = QStringLiteral("Cannot perform this operation on a closed dataset");
    QString notEditing = QStringLiteral("Dataset not in edit or insert mode");
    QString emptyDataSet = QStringLiteral("Cannot perform this operation on an empty dataset");
    QString rowGone = QStringLiteral("The row cannot be found: it was deleted since it was read");
    QString noResultSet = QStringLiteral("The statement does not return a result set");
    QString noTableName = QStringLiteral("No table name given");
    QString noDatabaseFile = QStringLiteral("the connection string names no database file");
};

const ErrorTexts& errorTexts();
void setErrorTexts(const ErrorTexts& texts);

}  // namespace db
