#include "web/acquisition/BorrowerPhotos.h"

#include "app/BorrowerPhotoFile.h"
#include "app/FrmPrin.h"
#include "loans/BorrowerControls.h"
#include "loans/LoanControls.h"
#include "platform/files/FileOps.h"
#include "platform/files/WindowsPath.h"
#include "platform/picture/PictureFile.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/DBControls.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/Image.h"
#include "web/acquisition/ScanSequence.h"

namespace acquisition {

namespace {

constexpr int kPhotoWide = 320;
constexpr int kPhotoOther = 240;

}  // namespace

BorrowerPhotos::BorrowerPhotos(app::TFrmPrin& frm, ScanSequence& sequence, const loans::BorrowerControls* borrower,
                               const loans::LoanControls* loan)
    : m_frm(frm), m_sequence(sequence), m_borrower(borrower), m_loan(loan)
{}

void BorrowerPhotos::takePhoto(ui::Image& image, const QString& surname, const QString& firstName,
                               const QString& number)
{
    app::TFrmPrin& f = m_frm;
    // An empty surname would give every such borrower the one photo "_.jpg".
    const QString photo = app::borrowerPhotoName(surname, firstName);
    if (surname.isEmpty())
        return;
    if (photo.isEmpty()) {
        f.application().showMessage(app::borrowerPhotoRefusal(surname, firstName));
        return;
    }
    const QString name = photo.left(photo.size() - 4);
    const int count = m_sequence.acquireInto(image);
    if (count < 1 || !m_sequence.storeScan(image, app::kBorrowerPhotosFolder, name, kPhotoWide, kPhotoOther,
                                           ScanSequence::countText(count)))
        return;
    db::Query& ars = f.db.ars;
    ars.setSql(QStringLiteral("UPDATE Emprunteurs SET NimImage = ? WHERE NumEmprunteur = ?"),
               {photo, text::StrToInt(text::Trim(number))});
    ars.execSql();
    // The borrower screen's grid shows the name just written.
    if (f.db.ADOTable3.active())
        f.db.ADOTable3.refresh();
}

void BorrowerPhotos::Image10Click()
{
    const loans::BorrowerControls& c = *m_borrower;
    takePhoto(c.photo, c.currentSurname.text(), c.currentFirstName.text(), c.currentNumber.text());
}

void BorrowerPhotos::Image33Click()
{
    const loans::LoanControls& c = *m_loan;
    takePhoto(c.photo, c.surname.text(), c.firstName.text(), c.borrower.text());
}

void BorrowerPhotos::Button79Click()
{
    app::TFrmPrin& f = m_frm;
    ui::Application& app = f.application();
    const QString caption = f.tables.dialog(4);
    std::function<bool(const QString&)> qualifies = [](const QString&) { return true; };
    if (app.messageBox(f.tables.dialog(15), caption, ui::MessageButtons::YesNo, ui::MessageIcon::Question) ==
        ui::ModalResult::Yes) {
        f.ShowMessageEntry(25);
        qualifies = [&f](const QString& numIne) {
            // The import screen's options: a missing one is a fault, never "not chosen".
            auto selected = [&f](const char* name) { return f.get<ui::RadioButton>(QString::fromLatin1(name)).checked(); };
            return selected("RadioButton1") || selected("RadioButton2") || numIne == QLatin1String("0");
        };
    } else {
        if (app.messageBox(f.tables.dialog(8), caption, ui::MessageButtons::OkCancel, ui::MessageIcon::Warning) !=
            ui::ModalResult::Ok) {
            f.ShowMessageEntry(27);
            return;
        }
        f.ShowMessageEntry(26);
    }
    f.db.ADOTable3.open();
    giveCardPictures(f, drawCard, qualifies);
    f.ShowMessageEntry(28);
}

void BorrowerPhotos::Button80Click()
{
    app::TFrmPrin& f = m_frm;
    f.db.ADOTable3.refresh();
    const QString surname = m_borrower->currentSurname.text();
    const QString firstName = m_borrower->currentFirstName.text();
    const QString photo = app::borrowerPhotoPath(surname, firstName);
    if (photo.isEmpty()) {
        f.application().showMessage(app::borrowerPhotoRefusal(surname, firstName));
        return;
    }
    const std::optional<QString> chosen = f.application().dialogs().openFile(
        ui::OpenFileRequest{QString(), QStringLiteral("*.jpg"), f.AppDir, QString()});
    if (!chosen)
        return;
    if (!files::fileExists(*chosen)) {
        f.ShowMessageEntry(48);
        return;
    }
    const ui::PicturePtr chosenPicture = picture::loadPictureFile(files::nativePath(*chosen));
    if (!chosenPicture) {
        f.application().messageBox(QStringLiteral("Ce fichier n'est pas une image : aucune photo n'a été copiée."),
                                   f.application().title(), ui::MessageButtons::Ok, ui::MessageIcon::Error);
        return;
    }
    m_borrower->photo.setPicture(chosenPicture);
    files::forceDirectories(f.AppDir + app::kBorrowerPhotosFolder);
    files::copyFile(*chosen, f.AppDir + photo);
}

}  // namespace acquisition
