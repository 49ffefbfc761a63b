#pragma once
// The local image bank: shared-base records and covers delivered onto the school's disk, in
// "Banque_images\" at the root of the program's drive, one folder per first 7 characters of a
// code ("alpha" for title keys). The look-up reads it before the sources that need the network;
// the toolbar quit adds the school's covers to it. The program never writes records into it.
#include "web/BookSource.h"

namespace app {
class TFrmPrin;
}
namespace ui {
class Edit;
}

namespace sharedbase {

// "C:\Banque_images\" for the program folder's drive.
QString imageBankRoot(const app::TFrmPrin& frm);

// Placeholder pictures of the bank, no covers: the batch cover search deletes them.
bool isImageBankPlaceholder(qint64 size);

class ImageBankReader : public web::BookSource {
public:
    explicit ImageBankReader(const app::TFrmPrin& frm) : m_frm(frm) {}

    bool enabled(const app::Settings&) const override { return true; }
    // The cover-name field is emptied while the bank is read.
    std::optional<QString> labelBefore() const override { return QString(); }
    // The record of the code, when the bank has one.
    web::BookRecord ask(const web::LookupQuery& query) override;
    // The bank's picture of the cover the record names, copied into the covers folder when it is
    // not there yet.
    void fetchCover(const web::LookupQuery& query, web::BookRecord& record) override;

private:
    const app::TFrmPrin& m_frm;
};

// The toolbar quit's first step: every cover of a book with a 13-character code that the bank
// has not got yet is copied into it (its folder made when missing), each row's cover name shown
// in `coverName` on the way. Without a bank nothing is done.
void fillImageBank(app::TFrmPrin& frm, ui::Edit& coverName);

}  // namespace sharedbase
