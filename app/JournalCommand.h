#pragma once
// The tools menu's "Afficher le journal": tells where the journal lies, then offers to open it
// in the program the desktop opens spreadsheets with.
namespace app {

class TFrmPrin;

// Binds Afficherlejournal1Click on the window's handler table.
void bindJournalCommand(TFrmPrin& window);

}  // namespace app
