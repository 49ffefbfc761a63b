#pragma once
// Dates as the program writes them (French short date, never the machine's locale)
// and as the database stores them (days since 30/12/1899, time as the fraction).
#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

namespace text {

QDate jetEpoch();  // 30/12/1899, what a cleared date (serial 0) reads as

QString shortDateText(const QDate& d);          // dd/mm/yyyy
QString dateTimeText(const QDateTime& dt);      // dd/mm/yyyy, plus " hh:mm:ss" unless midnight

// d/m/yyyy or dd/mm/yy, optionally followed by h:m or h:m:s; surrounding blanks allowed.
// Two-digit years below 50 are 20xx, the others 19xx.
std::optional<QDateTime> parseDateTimeText(const QString& s);
std::optional<QDate> parseShortDate(const QString& s);

double toJetSerial(const QDateTime& dt);
double toJetSerial(const QDate& d);
// Negative serials keep their time as a positive fraction, as OLE dates do.
QDateTime fromJetSerial(double serial);

}  // namespace text
