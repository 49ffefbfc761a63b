#pragma once
// The whole program's window with the book sites served locally, for the buttons that take a
// book or its cover from a page: the web result panel's page is put in as its view answers it.
#include "BookSites.h"
#include "BookScreenFixture.h"

#include "platform/ui/PageControl.h"
#include "program/ProgramScreens.h"
#include "web/ShownPage.h"

#include <QFile>
#include <QUrl>

class ShownPageTest : public BookScreenTest {
public:
    // The book of the fixture pages.
    static inline const QString kBookCode = QStringLiteral("9782070360024");

protected:
    // Copies of the catalogue are written before the login loads the table.
    void startWith(const std::vector<std::pair<QString, QString>>& codesAndCovers = {})
    {
        start({"Cancel"}, program::programScreens());
        for (const auto& [code, cover] : codesAndCovers)
            addBook(code, QStringLiteral("le-lion"), cover);
        logIn();
    }
    static QByteArray fixture(const QString& name)
    {
        QFile file(QStringLiteral(QVL_FIXTURES_DIR "/web/") + name);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        return file.readAll();
    }
    // The panel shows `html`, as its view's answer to the whole-document script hands it over.
    void showPage(const QByteArray& html)
    {
        frm().findPart<web::ShownPage>()->keep(u'"' + QString::fromLatin1(QUrl::toPercentEncoding(QString::fromUtf8(html))) +
                                               u'"');
        control("Panel21").show();
    }
    void selectTab(const char* name) { input.selectTab(frm().get<ui::TabSheet>(QString::fromLatin1(name))); }
    QString rowField(const char* field)
    {
        return frm().db.ADOTable1.fieldByName(QString::fromLatin1(field)).asString();
    }
    QByteArray programFile(const QString& relative) const { return program.read(relative); }
    bool coverStored(const QString& name) const
    {
        return QFile::exists(program.folder(QStringLiteral("livres/Jaquettes/") + name));
    }

    BookSites sites;
};
