#pragma once
// The whole program logged in as administrator, with an administrator password set and a small
// catalogue whose copies the stock-take marks, lists and deletes.
#include "BookScreenFixture.h"

#include "platform/text/Windows1252.h"
#include "program/ProgramScreens.h"

class StockTakeTest : public BookScreenTest {
protected:
    static inline const QString kPassword = QStringLiteral("clef");

    void SetUp() override
    {
        start({"Cancel"}, program::programScreens());
        logIn();
        frm().settings.MDP_Administrateur = kPassword;
    }

    // A copy written straight into Table1; `lentTo` empty for a copy on the shelf.
    void addCopy(const QString& code, const QString& title, int copyNumber, const QString& genre = {},
                 const QString& lentTo = {}, const QString& cover = {})
    {
        frm().db.ADOConnection1.execute(
            QStringLiteral("Insert into Table1 (Isbn13, Titre, Images, Type, Genre, NbrExemplaire, MaxExemplaire, "
                           "EmpNom, EmpPrenom, EmpClasse) Values (?, ?, ?, 'LIVRE', ?, ?, True, ?, ?, ?)"),
            {code, title, cover, genre, copyNumber, lentTo, lentTo.isEmpty() ? QString() : QStringLiteral("Léa"),
             lentTo.isEmpty() ? QString() : QStringLiteral("CM1")});
    }
    void answer(std::initializer_list<const char*> answers)
    {
        for (const char* a : answers)
            dialogs.answer(QString::fromUtf8(a));
    }
    // The tools menu's entry: the tips window, then the state of the stock-take.
    void openStockTake()
    {
        answer({"Terminer", "OK"});
        input.menu(QStringLiteral("Outils > Inventaire complet et inventaire partiel"));
    }
    void startStockTake(const QString& genre = {})
    {
        fill("DBComboBox1", genre);
        dialogs.answer(kPassword);
        answer({"OK"});
        input.click(QStringLiteral("SpeedButton52"));
    }
    // Every dialog answered OK, the password first.
    void runEndingStep(const char* button, int dialogsAfterPassword)
    {
        dialogs.answer(kPassword);
        for (int i = 0; i < dialogsAfterPassword; ++i)
            dialogs.answer(QStringLiteral("OK"));
        input.click(QString::fromLatin1(button));
    }
    QString fileText(const QString& name) { return text::decodeWindows1252(program.read(name)); }
    QString lastDialogText() const { return dialogs.log().back().text; }
    QStringList marks() { return booksColumn("DateEmprunt"); }
};
