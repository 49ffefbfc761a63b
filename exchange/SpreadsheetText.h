#pragma once
// Values of the ";"-separated files the program writes. No file is quoted, so each value is
// cleaned on its own before the line is joined: a value can neither break its line nor add a
// column. Files meant only for a spreadsheet also keep a leading "=", "+", "-" or "@" from
// being taken for a formula, with the apostrophe the lists already put before their codes.
#include <QString>
#include <QStringList>

namespace exchange {

// Every character below 32 (line breaks, tabs) becomes a blank, every ";" a "/".
QString csvValue(const QString& value);
// csvValue, then an apostrophe before a leading "=", "+", "-" or "@".
QString spreadsheetValue(const QString& value);

// The values cleaned with csvValue (or spreadsheetValue) and joined by ";".
QString csvLine(const QStringList& values);
QString spreadsheetLine(const QStringList& values);

}  // namespace exchange
