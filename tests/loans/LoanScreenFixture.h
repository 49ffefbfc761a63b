#pragma once
// The main window with the loan screen, opened from its toolbar button, over a few books and
// borrowers written straight into the program folder's database.
#include "MainWindowFixture.h"

#include "ColumnValues.h"
#include "loans/LoanInstaller.h"
#include "platform/db/Query.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"

class LoanScreenTest : public MainWindowTest {
protected:
    // The screens the test builds, in the program's order.
    virtual std::vector<app::ScreenInstaller> screens() const
    {
        return {[](app::TFrmPrin& frm) { loans::installLoanScreen(frm); }};
    }

    void SetUp() override
    {
        start({"Cancel"}, screens());
        dialogs.answer(QString());
        dialogs.answer(QStringLiteral("Terminer"));
        input.menu(QStringLiteral("Fichier > Administrateur"));
    }

    void openLoanScreen()
    {
        input.click(QStringLiteral("ToolButton3"));
    }
    void run(const QString& sql, const db::Params& params = {}) { frm().db.ADOConnection1.execute(sql, params); }
    void addCopy(const QString& code, const QString& title, bool lendable = true)
    {
        run(QStringLiteral("Insert into Table1 (Isbn13, Titre, Auteur, Genre, Type, Empruntable, Images, LieuRangement) "
                           "Values (?, ?, 'Saint-Exupéry', 'Roman', 'LIVRE', ?, 'cover.jpg', 'Etagere_A')"),
            {code, title, db::Value::boolean(lendable)});
    }
    void addBorrower(int number, const QString& surname, const QString& firstName, const QString& className)
    {
        run(QStringLiteral("Insert into Emprunteurs (NumEmprunteur, EmpNom, EmpPrenom, Classe, Mail) "
                           "Values (?, ?, ?, ?, 'famille@example.org')"),
            {number, surname, firstName, className});
    }
    QStringList rows(const QString& sql, const QStringList& fields)
    {
        return rowValues(frm().db.ADOConnection1, sql, fields);
    }
    QStringList copies()
    {
        return rows(QStringLiteral("SELECT * FROM Table1 ORDER BY NumLivre"),
                    {"NumLivre", "EmpNom", "EmpPrenom", "EmpClasse", "NumEmprunteur", "DateEmprunt", "DateRetour",
                     "Photo_rangement", "NbreFoisEmprunte"});
    }
    QStringList borrowers()
    {
        return rows(QStringLiteral("SELECT * FROM Emprunteurs ORDER BY NumEmprunteur"),
                    {"NumEmprunteur", "NbrEmpruntsTotal", "NbrEmpruntsEnCours", "NumINE"});
    }
    QByteArray journal() const { return program.read(QStringLiteral("Journal.csv")); }
    ui::CustomEdit& edit(const char* name) { return frm().get<ui::CustomEdit>(QString::fromLatin1(name)); }
    ui::Control& control(const char* name) { return frm().get<ui::Control>(QString::fromLatin1(name)); }
    bool focused(const char* name) { return frm().get<ui::WinControl>(QString::fromLatin1(name)).focused(); }
    QString message(int entry) { return frm().tables.message(entry); }
};
