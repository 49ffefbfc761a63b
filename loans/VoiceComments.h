#pragma once
// Spoken comments on a book: recorded on the book screen's "Compléments" tab and on the return
// screen, played there and on the loan screen. Each is the WAV file "Commentaires\" + the book's
// code + ".Wav"; one sound device, "capture", is open at a time. The handlers are bound by name
// on the main window, so the loan screen's icons reach them too.
#include <QString>

namespace app {
class TFrmPrin;
}

namespace loans {

// The comment file of a code, in the program's path text. A code cannot name a file outside
// "Commentaires\": separators and ".." in it become "_".
QString commentFile(const QString& appDir, const QString& code);

class VoiceComments {
public:
    explicit VoiceComments(app::TFrmPrin& frm);

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
    QString codeOf(const char* field) const;
    void setShown(std::initializer_list<const char*> names, bool shown);
    void bindHover(const char* plain, const char* highlighted, bool hidePlain);

    app::TFrmPrin& m_frm;
};

// The icons of the book screen's "Compléments" tab, at their places beside the storage-place
// picture.
void placeComplementsVoiceIcons(app::TFrmPrin& frm);

}  // namespace loans
