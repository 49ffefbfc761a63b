#pragma once
// The three ways out of the program. Closing the main window (also when the desktop session
// ends) purges the untitled books, copies the database into the daily folder and zips the copy;
// "&Quitter" first exports the catalogue to Sauvegarde.csv, contributes to the shared base and
// renumbers the copies; "Pour quitter" offers the cloud backup, keeps the label settings and
// copies the database. Each ends the program's own process.
#include "platform/db/Query.h"

#include <functional>

namespace app {

class TFrmPrin;

class ShutDown {
public:
    using RenumberCopies = std::function<void(db::Query& ars)>;

    // Binds the window's close query, "Quitter1Click" and "ToolButton9Click".
    ShutDown(TFrmPrin& frm, RenumberCopies renumberCopies);

    void FormCloseQuery(bool& canClose);
    void Quitter1Click();
    void ToolButton9Click();
    // The database and its archive sent to the maker's FTP host, when the librarian says OK.
    void CloudBackup();

    // Deletes the rows of Table1 without a title; rows titled "@" stay. Returns how many went.
    static int purgeUntitledBooks(db::Query& ars);

private:
    // The day's copy; a failure is told, and the way out goes on.
    bool copyToday();
    void tell(const QString& text);

    TFrmPrin& m_frm;
    RenumberCopies m_renumberCopies;
};

}  // namespace app
