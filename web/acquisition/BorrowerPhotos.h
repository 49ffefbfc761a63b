#pragma once
// How borrowers' photos come into "Photo_emprunteur\": taken with a scanner or webcam on the
// borrower screen or the loan screen (and recorded in NimImage), chosen among existing JPEG
// files, or card pictures drawn at random for everyone without one.
#include "web/acquisition/CardPictures.h"

#include <QString>

namespace app {
class TFrmPrin;
}
namespace loans {
struct BorrowerControls;
struct LoanControls;
}  // namespace loans
namespace ui {
class Image;
}

namespace acquisition {

class ScanSequence;

class BorrowerPhotos {
public:
    // Either screen may be null where it is not built: its photos are never asked for.
    BorrowerPhotos(app::TFrmPrin& frm, ScanSequence& sequence, const loans::BorrowerControls* borrower,
                   const loans::LoanControls* loan);

    // Borrower screen: "Prendre une photo".
    void Image10Click();
    // Loan screen: the photo of the borrower found.
    void Image33Click();
    // Borrower screen: "Lancer un choix automatique d'image".
    void Button79Click();
    // Borrower screen: "Ou choisir une image déjà enregistrée".
    void Button80Click();

    // Where the card pictures' numbers come from (tests give a seeded one).
    CardDraw drawCard = systemCardDraw();

private:
    // The scan stored as the borrower's photo, then NimImage; nothing without a surname or with
    // names that cannot make a file name in the folder.
    void takePhoto(ui::Image& image, const QString& surname, const QString& firstName, const QString& number);

    app::TFrmPrin& m_frm;
    ScanSequence& m_sequence;
    const loans::BorrowerControls* m_borrower;
    const loans::LoanControls* m_loan;
};

}  // namespace acquisition
