#pragma once
// "Info base": how many books and other media the catalogue holds and how many of each are
// lent, how many objects the equipment register holds, and how many borrowers there are.
#include <QString>

namespace app {

class TFrmPrin;

class DatabaseSummary {
public:
    // Binds "Info1Click".
    explicit DatabaseSummary(TFrmPrin& frm);

    void Info1Click();
    // The six counts, one a line, each followed by its label and a carriage return.
    QString summaryText();

private:
    TFrmPrin& m_frm;
};

}  // namespace app
