#pragma once
// The local image bank: shared-base records and covers delivered onto the school's disk, in
// "Banque_images\" at the root of the program's drive, one folder per first 7 characters of a
// code ("alpha" for title keys). The look-up reads it before the sources that need the network;
// the toolbar quit adds the school's covers to it. The program never writes records into it.
#include "web/BookSource.h"

namespace sharedbase {

// "C:\Banque_images\" for the program folder's drive.
QString imageBankRoot(const app::TFrmPrin& frm);

// Placeholder pictures of the bank, no covers: the batch cover search deletes them.
bool isImageBankPlaceholder(qint64 size);

class ImageBankReader : public web::BookSource {
public:
    bool enabled(const app::Settings&) const override { return true; }
    QString label() const override { return {}; }
    void ask(app::TFrmPrin& frm) override { ReadImageBankRecord(frm); }

    // The record of the code in Edit10, when the bank has one; then its cover.
    static void ReadImageBankRecord(app::TFrmPrin& frm);
    // The bank's picture of the cover named in Edit61, copied into the covers folder when it
    // is not there yet, and shown.
    static void ShowImageBankCover(app::TFrmPrin& frm);
};

// The toolbar quit's first step: every cover of a book with a 13-character code that the bank
// has not got yet is copied into it (its folder made when missing). Without a bank nothing is done.
void fillImageBank(app::TFrmPrin& frm);

}  // namespace sharedbase
