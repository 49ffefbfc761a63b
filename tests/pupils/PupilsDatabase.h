#pragma once
// An empty database as the installation delivers it, with helpers that write borrowers and
// copies straight into it and read rows back.
#include "DeliveredDatabase.h"

#include "platform/text/PascalText.h"

class PupilsDatabase : public DeliveredDatabase {
protected:
    void addBorrower(const QString& surname, const QString& firstName, const QString& className,
                     const QString& mark = {})
    {
        connection->execute(QStringLiteral("Insert into Emprunteurs (EmpNom,EmpPrenom,Classe,NumINE) Values (?,?,?,?)"),
                            {surname, firstName, className, mark});
    }
    // A copy; lent when `borrower` is not 0, to that borrower's names as stored.
    void addCopy(const QString& title, const QString& code, int borrower = 0, const QString& due = {},
                 const QString& mail = {})
    {
        QString surname, firstName, className;
        if (borrower != 0) {
            const QStringList b = rows(QStringLiteral("Select * From Emprunteurs WHERE NumEmprunteur=%1").arg(borrower),
                                       {"EmpNom", "EmpPrenom", "Classe"}).value(0).split(u'|');
            surname = b.value(0);
            firstName = b.value(1);
            className = b.value(2);
        }
        connection->execute(
            QStringLiteral("Insert into Table1 (Titre,Isbn13,Type,EmpNom,EmpPrenom,EmpClasse,NumEmprunteur,DateRetour,"
                           "Photo_rangement,Images) Values (?,?,'LIVRE',?,?,?,?,?,?,?)"),
            {title, code, surname, firstName, className, borrower, due, mail, code + QStringLiteral(".jpg")});
    }
    QStringList borrowers()
    {
        return rows(QStringLiteral("Select * From Emprunteurs ORDER BY NumEmprunteur"),
                    {"NumEmprunteur", "EmpNom", "EmpPrenom", "Classe", "NumINE"});
    }
};
