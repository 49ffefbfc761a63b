#pragma once
// Spoken comments on a book: recorded on the book screen's "Compléments" tab and on the return
// screen, played there and on the loan screen. Each is the WAV file "Commentaires\" + the book's
// code + ".Wav"; one sound device, "capture", is open at a time. The handlers are bound by name
// on the main window, so the loan screen's icons reach them too.
#include "loans/BookCommentIcons.h"

#include <QString>

#include <optional>

namespace app {
class TFrmPrin;
}
namespace ui {
class Image;
}

namespace loans {

class ReturnScreen;
struct ReturnControls;

// The comment file of a code, in the program's path text. A code cannot name a file outside
// "Commentaires\": separators and ".." in it become "_".
QString commentFile(const QString& appDir, const QString& code);

class VoiceComments {
public:
    // The book screen's icons are there when the program has the book screen.
    VoiceComments(app::TFrmPrin& frm, const ReturnScreen& returns, const std::optional<BookCommentIcons>& book);

    void Image16Click();
    void Image67Click();
    void Image18Click();
    void Image53Click();
    void Image17Click();
    void Image65Click();
    void Image44Click();
    void Image69Click();
    void Image19Click();

private:
    void startRecording();
    // Saves under the code's file; tells the librarian when nothing could be saved.
    void saveRecording(const QString& code);
    void play(const QString& code);
    // The codes of the book screen's copy, the loan screen's and the return screen's code fields;
    // empty for a screen the program lacks.
    QString bookCode() const;
    QString loanCode() const;
    QString returnCode() const;
    void bindHover(ui::Image* plain, ui::Image* highlighted, bool hidePlain);

    // Every comment icon of the program; null where the program lacks the screen.
    struct Icons {
        ui::Image *bookRecord, *bookRecordLit, *bookRecording, *bookStopRecording;
        ui::Image *bookPlay, *bookPlayLit, *bookPlaying, *bookStopPlaying;
        ui::Image *loanPlay, *loanPlayLit, *loanPlaying, *loanBookComment;
        ui::Image *returnRecord, *returnRecordLit, *returnRecording, *returnStopRecording;
        ui::Image *returnPlay, *returnPlayLit, *returnPlaying, *returnStopPlaying;
    };

    app::TFrmPrin& m_frm;
    const ReturnControls& m_returns;
    Icons m_icons{};
};

// The icons of the book screen's "Compléments" tab, at their places beside the storage-place
// picture; nothing without the book screen.
std::optional<BookCommentIcons> placeComplementsVoiceIcons(app::TFrmPrin& frm);

}  // namespace loans
