#pragma once
// The loans the journal records ("Sortie" lines) and their ranking: which codes were lent most,
// each code once with the number of its loans.
#include <QString>
#include <QStringList>
#include <vector>

namespace exchange {

// A loan line starts with "Sortie"; its first 18 characters are "Sortie;" + date + ";".
bool isLoanLine(const QString& line);
// The loan's code: the field after the date (13 characters for an ISBN, 5 for an internal code,
// none for a loan by copy number), read as a field so that no title is taken for a code.
QString loanCode(const QString& line);
// The title of a loan line: the field after its code.
QString loanTitle(const QString& line);
// A line belongs to a class when the class text occurs anywhere in it; no text matches nothing.
bool inClass(const QString& line, const QString& className);
// The loan line without its 18-character prefix.
QString loanText(const QString& line);

struct RankedLoan {
    QString line;  // the last line of its code's run
    int count = 0;
};

// General page: full loan lines, grouped by loanCode.
std::vector<RankedLoan> rankByCode(const QStringList& loanLines);
// Class page: loan texts (no prefix), grouped by their first 13 characters; a text without a
// code (starting with ";") is left out. `merged` receives the number of texts merged or left out.
std::vector<RankedLoan> rankByText(const QStringList& loanTexts, int* merged = nullptr);

}  // namespace exchange
