#pragma once
// Lines of the lists and the library export, their values cleaned by the lists' rule
// (app::CsvRule::Lists). Files meant only for a spreadsheet also keep a leading "=", "+", "-" or
// "@" from being taken for a formula, with the apostrophe the lists already put before their codes.
#include <QString>
#include <QStringList>

namespace exchange {

// The lists' cleaning, then an apostrophe before a leading "=", "+", "-" or "@".
QString spreadsheetValue(const QString& value);

// The values cleaned by the lists' rule (or spreadsheetValue) and joined by ";".
QString csvLine(const QStringList& values);
QString spreadsheetLine(const QStringList& values);

}  // namespace exchange
