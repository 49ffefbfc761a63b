#pragma once
// The end of the yearly stock-take, in three steps the administrator takes one after the
// other: the list of the copies not found (a CSV file and a page to print), then those copies
// written to Bibliotheque.csv and given 0 as their copy number, then the rows at 0 deleted.
#include <QString>

namespace app {
class TFrmPrin;
}

namespace catalogue {

// The library CSV layout's header: the columns of a copy, in the order a line gives them.
inline const QString kLibraryCsvHeader = QStringLiteral(
    "Titre;Auteur;Editeur;Descripteur;Isbn10;Type;Genre;MaxExemplaire;NbrExemplaire;Images;Isbn13;Pages;"
    "Date_parution;CodeBarres;IMP_CodeBarres;EmpNom;EmpPrenom;EmpClasse;NumEmprunteur;Empruntable;LieuRangement;"
    "Photo_rangement;Resume;Proprio;Mot_cle;Langue");

// A value as a library CSV line can hold it: no control characters and no separator.
QString libraryCsvValue(const QString& value);

class BookEntryScreen;
class StockTakeScreen;
struct StockTakeControls;

class StockTakeEnding {
public:
    // Binds the three steps' buttons.
    StockTakeEnding(app::TFrmPrin& frm, const BookEntryScreen& entry, const StockTakeScreen& stockTake);

    // "Inventaire terminé": the missing copies listed, nothing changed in the table.
    void SpeedButton31Click();
    // The missing copies exported to Bibliotheque.csv, then given 0 as their copy number.
    void SpeedButton50Click();
    // "Effacement définitif": the rows of the scope whose copy number is 0 deleted.
    void SpeedButton53Click();

private:
    // Opens the scratch query on the copies that may be missing, after the message that says
    // which they are (the message-table entries of the step's four cases, in the order: lent
    // copies kept with a genre, then without; lent copies listed with a genre, then without; -1
    // where the genre is followed by nothing).
    void selectCandidates(const int (&messages)[4][2]);
    bool confirmEnding();

    // Hiding the panel ends the stock-take mode; the book screen goes with it.
    void closeScreen();

    app::TFrmPrin& m_frm;
    const BookEntryScreen& m_entry;
    const StockTakeControls& m_controls;
};

}  // namespace catalogue
