#pragma once
// The main window with the book screen and its save, reached the way a librarian does: logged in
// as administrator (the new installation's empty password), the tips window closed.
#include "ColumnValues.h"
#include "MainWindowFixture.h"

#include "catalogue/BookEntryLayout.h"
#include "catalogue/BookEntryScreen.h"
#include "catalogue/BookSave.h"
#include "platform/db/Query.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Keys.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"

class BookScreenTest : public MainWindowTest {
protected:
    static std::vector<app::ScreenInstaller> bookScreens()
    {
        return {[](app::TFrmPrin& frm) {
            auto& entry = frm.addPart<catalogue::BookEntryScreen>(frm, catalogue::buildBookEntryControls(frm));
            frm.addPart<catalogue::BookSave>(frm, entry);
        }};
    }

    void startBookScreens() { start({"Cancel"}, bookScreens()); }
    void startAndLogIn()
    {
        startBookScreens();
        logIn();
    }
    void logIn()
    {
        dialogs.answer(QString());
        dialogs.answer(QStringLiteral("Terminer"));
        input.menu(QStringLiteral("Fichier > Administrateur"));
    }

    catalogue::BookEntryScreen& screen() { return *frm().findPart<catalogue::BookEntryScreen>(); }
    ui::CustomEdit& edit(const char* name) { return frm().get<ui::CustomEdit>(QString::fromLatin1(name)); }
    ui::Control& control(const char* name) { return frm().get<ui::Control>(QString::fromLatin1(name)); }
    ui::Image& image(const char* name) { return frm().get<ui::Image>(QString::fromLatin1(name)); }

    // A book row written straight into Table1.
    void addBook(const QString& code, const QString& title, const QString& cover)
    {
        frm().db.ADOConnection1.execute(
            QStringLiteral("Insert into Table1 (Isbn13, Titre, Images, Type, NbrExemplaire, MaxExemplaire) "
                           "Values (?, ?, ?, 'LIVRE', 1, True)"),
            {code, title, cover});
    }
    QStringList column(const QString& sql, const char* field)
    {
        return columnValues(frm().db.ADOConnection1, sql, field);
    }
    QStringList booksColumn(const char* field)
    {
        return column(QStringLiteral("SELECT * FROM Table1 ORDER BY NumLivre"), field);
    }
    // Types into the field after a click in it, replacing what it held.
    void fill(const char* name, const QString& value)
    {
        input.click(QString::fromLatin1(name));
        edit(name).selectAll();
        if (!value.isEmpty())
            input.type(value);
        else
            input.key(ui::vk::Delete);
    }
    // Manual entry of a book with the given fields, then the save button.
    void saveByHand(const QString& code, const QString& title, const QString& copies = QStringLiteral("1"))
    {
        // After a save both entry-mode buttons are offered and the save button is hidden.
        if (!control("SpeedButton20").visible()) {
            if (control("SpeedButton19").visible())
                input.click(QStringLiteral("SpeedButton19"));
            input.click(QStringLiteral("SpeedButton18"));
        }
        fill("Edit4", title);
        fill("Edit10", code);
        fill("Edit15", copies);
        input.click(QStringLiteral("SpeedButton20"));
    }
};
