#pragma once
// "Vérification Base Livre": the repair of the books table in six passes over its rows in code
// order: copy numbers and internal codes, codes without separators, titles, types, ISBN-10s and
// press codes, last copies by title, EAN texts of the barcodes, separator characters and loans
// due on the zero date. Its progress shows on the book screen's gauge and log.
#include <QString>
#include <functional>

namespace app {

class TFrmPrin;

class BooksTableRepair {
public:
    // The bars text of a 13-digit code; throws for a code that has no such text.
    using EanFontText = std::function<QString(const QString& code)>;

    // Binds "Verif_baseClick".
    BooksTableRepair(TFrmPrin& frm, EanFontText eanFontText);

    void Verif_baseClick();

private:
    class Run;
    TFrmPrin& m_frm;
    EanFontText m_eanFontText;
};

}  // namespace app
