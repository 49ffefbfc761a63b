#pragma once
// What every page reader does on the book-entry screen: say which step runs, show the cover it
// stored.
#include <QString>

namespace app {
class TFrmPrin;
}

namespace web {

// The step text of the "Recherche en cours" panel.
void showStep(app::TFrmPrin& frm, const QString& text);
// Shows the stored cover `fileName` of the covers folder and records it as the look-up's cover.
void showStoredCover(app::TFrmPrin& frm, const QString& fileName);

// A picture fetched for a book that has no code yet: the save gives it the code's name.
inline const QString kPendingCoverName = QStringLiteral(".jpg");

// The cover file a code names: the code and ".jpg" when it is letters and digits only, so that
// a code read from a page never names a file outside the covers folder; empty otherwise.
QString coverFileOfCode(const QString& code);
// The store's picture address from the text before its ".jpg": the name loses its size suffix
// (".../I/51AbC._SX300_" gives ".../I/51AbC.jpg").
QString pictureWithoutSizeSuffix(const QString& textBeforeJpg);

// Cutting page texts at markers; positions count from 1 as the readers' rules do.
// The text after the end of the marker's first occurrence, `skip` characters further; empty
// when the marker is missing.
QString textAfter(const QString& text, const QString& marker, int skip = 0);
// The text before the first occurrence of the marker, less `drop` characters at its end; empty
// when the marker is missing.
QString textBefore(const QString& text, const QString& marker, int drop = 0);

}  // namespace web
