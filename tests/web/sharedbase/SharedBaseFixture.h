#pragma once
// The whole program in this process, logged in, with the maker's host played by local servers
// and the shared base and FTP exchange switched on.
#include "SharedBaseServers.h"
#include "BookScreenFixture.h"

#include "program/ProgramScreens.h"
#include "BookSites.h"

class SharedBaseTest : public BookScreenTest {
protected:
    void SetUp() override
    {
        start({"Cancel"}, program::programScreens());
        logIn();
        app::Settings& s = frm().settings;
        s.maker = {servers.webSite(), QStringLiteral("127.0.0.1"), servers.ftpPort(), SharedBaseServers::kUser,
                   SharedBaseServers::kPassword, QString()};
        s.ftpbool = true;
        s.Qvlbool = true;
    }

    // A row with the given code, title, cover name and Photo_rangement text.
    void addRow(const QString& code, const QString& title, const QString& images, const QString& marks = {})
    {
        addBook(code, title, images);
        frm().db.ADOConnection1.execute(QStringLiteral("UPDATE Table1 SET Photo_rangement = ? WHERE NumLivre = ?"),
                                        {marks, frm().db.ADOConnection1.lastInsertKey()});
    }
    void addCover(const QString& name) { program.write(QStringLiteral("livres/Jaquettes/") + name, BookSites::cover("JPEG")); }
    QStringList marks() { return booksColumn("Photo_rangement"); }
    void run(const char* handler) { frm().handlers.run(QString::fromLatin1(handler)); }

    SharedBaseServers servers;
};
