#pragma once
// The tools menu's backup commands: "Restaurer infos" opens the journal-replay window,
// "&Restauration" copies the covers of a chosen backup folder into the program folder and
// "&Sauvegarde" copies the database into a chosen folder.
#include "app/JournalReplayForm.h"

namespace app {

class TFrmPrin;

class BackupCommands {
public:
    // Creates the journal-replay window and binds the three commands.
    explicit BackupCommands(TFrmPrin& frm);

    void Restaurerinfos1Click();
    void Restauration1Click();
    void Sauvegarde1Click();

    TForm3& replayWindow() { return m_form3; }

private:
    // The folder the librarian chose; nothing when the choice was cancelled.
    std::optional<QString> chooseFolder(int titleEntry);
    void closeTables();

    TFrmPrin& m_frm;
    TForm3 m_form3;
};

}  // namespace app
