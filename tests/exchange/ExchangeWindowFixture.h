#pragma once
// The main window with the book screen and this module's screens, logged in as administrator.
#include "MainWindowFixture.h"

#include "ColumnValues.h"
#include "catalogue/BookEntryLayout.h"
#include "catalogue/BookEntryScreen.h"
#include "exchange/ExchangeInstaller.h"
#include "platform/db/Query.h"
#include "platform/files/TextFile.h"
#include "platform/files/WindowsPath.h"
#include "platform/ui/Edit.h"

class ExchangeWindow : public MainWindowTest {
protected:
    void startLoggedIn()
    {
        start({"Cancel"}, {[](app::TFrmPrin& frm) {
                              frm.addPart<catalogue::BookEntryScreen>(frm, catalogue::buildBookEntryControls(frm));
                              exchange::installExchangeScreens(frm);
                          }});
        dialogs.answer(QString());
        dialogs.answer(QStringLiteral("Terminer"));
        input.menu(QStringLiteral("Fichier > Administrateur"));
    }
    void sql(const QString& statement) { frm().db.ADOConnection1.execute(statement); }
    QString text(const char* control) { return frm().get<ui::CustomEdit>(QString::fromLatin1(control)).text(); }
    QStringList column(const QString& statement, const char* field, const db::Params& params = {})
    {
        return columnValues(frm().db.ADOConnection1, statement, field, params);
    }
    QStringList fileLines(const QString& name)
    {
        QStringList lines;
        files::readTextFileLines(files::nativePath(frm().AppDir + name), lines);
        return lines;
    }
};
