#include "exchange/LoanRanking.h"

#include <algorithm>
#include <functional>

namespace exchange {

namespace {

constexpr int kPrefixLength = 18;

// Descending by key (character codes), then runs of one key collapsed into their last line with
// the run's length, then descending by that count, equal counts keeping their order.
std::vector<RankedLoan> ranked(QStringList lines, const std::function<QString(const QString&)>& sortKey,
                               const std::function<QString(const QString&)>& runKey)
{
    std::stable_sort(lines.begin(), lines.end(),
                     [&sortKey](const QString& a, const QString& b) { return sortKey(a) > sortKey(b); });
    std::vector<RankedLoan> result;
    int run = 1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i + 1 < lines.size() && runKey(lines[i]) == runKey(lines[i + 1])) {
            ++run;
            continue;
        }
        result.push_back({lines[i], run});
        run = 1;
    }
    std::stable_sort(result.begin(), result.end(), [](const RankedLoan& a, const RankedLoan& b) { return a.count > b.count; });
    return result;
}

}  // namespace

bool isLoanLine(const QString& line)
{
    return line.startsWith(QLatin1String("Sortie"));
}

QString loanCode(const QString& line)
{
    return line.section(u';', 2, 2);
}

QString loanTitle(const QString& line)
{
    return line.section(u';', 3, 3);
}

bool inClass(const QString& line, const QString& className)
{
    return !className.isEmpty() && line.contains(className);
}

QString loanText(const QString& line)
{
    return line.mid(kPrefixLength);
}

std::vector<RankedLoan> rankByCode(const QStringList& loanLines)
{
    return ranked(loanLines, loanCode, loanCode);
}

std::vector<RankedLoan> rankByText(const QStringList& loanTexts, int* merged)
{
    QStringList coded;
    for (const QString& t : loanTexts)
        if (!t.startsWith(u';'))
            coded << t;
    std::vector<RankedLoan> result =
        ranked(coded, [](const QString& t) { return t; }, [](const QString& t) { return t.left(13); });
    if (merged)
        *merged = int(loanTexts.size() - result.size());
    return result;
}

}  // namespace exchange
