#pragma once
// Qt's own texts (the buttons of message boxes, the file and print dialogs) in the language the
// program speaks, from the translations installed with Qt.
#include <QString>

namespace ui {

enum class ModalResult;

// Makes the language ("fr") Qt's default locale and loads Qt's translation for it once for the
// process, with our own French for the texts Qt's lacks; false when none is installed, and Qt's
// texts stay English.
bool installToolkitTranslation(const QString& language);
// The text a message box shows on the button: Qt's own wording in the installed language,
// without its mnemonic mark ("OK", "Cancel", "Yes" while none is installed).
QString buttonCaption(ModalResult result);

}  // namespace ui
