#pragma once
// The lists screen (Panel18): copies out and overdue copies as CSV files and pages, the pupils of
// a class who borrowed nothing today, the page of copies out with pictures (and its upload to the
// school's web site), the page of overdue copies with a reminder link each, and the reminders
// themselves, one mail per overdue copy with a mail address, sent through the library's account.
#include "pupils/LoanListsControls.h"
#include "pupils/LoanSelection.h"

namespace app {
class TFrmPrin;
}

namespace pupils {

struct ReminderText;

class LoanListsScreen {
public:
    LoanListsScreen(app::TFrmPrin& frm, const LoanListsControls& controls);

    const LoanListsControls& controls() const { return m_controls; }

    // Menu Livres "Livres sortis" and "Retours en retard", toolbar "Livres en retard".
    void Livressortis1Click();
    void BitBtn5Click();
    void BitBtn7Click();
    // "0 livre", here and on the loan screen.
    void SpeedButton57Click();
    void Image101Click();
    // Button76, Button77 and Button29.
    void Button97Click();
    void Button56Click();
    void Button29Click();

private:
    std::vector<LoanRow> selectedRows(const QString& defaultSql);
    QString className() const;
    void clearLoanScreenCode();
    QDate today() const;
    ReminderText reminderText() const;
    void writeFile(const QString& windowsPath, const QString& content, bool lineEnd = true);
    void showPage(const QString& name, const QString& page);
    // "The page is ready", and where it lies.
    void tellPageReady(const QString& name);
    void askToOpen(const QString& windowsPath);
    void UploadBooksOutPage(const QString& localPath);

    app::TFrmPrin& m_frm;
    LoanListsControls m_controls;
};

}  // namespace pupils
