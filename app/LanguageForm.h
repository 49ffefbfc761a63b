#pragma once
// The language chooser window: the language files of the program folder in a list, and OK to
// keep the choice for the next start.
#include "app/SettingsFile.h"
#include "platform/ui/Form.h"

namespace ui {
class Button;
class ComboBox;
class Label;
}  // namespace ui

namespace app {

class TForm4 : public ui::Form {
public:
    // languageText: the language in use, read when the window is shown.
    TForm4(ui::Application& application, const QString& languageText);

    ui::Label* Label1;
    ui::ComboBox* ComboBox1;
    ui::Button* Button1;

private:
    void FormShow();
    void Button1Click();

    SettingsFile m_settings;
    const QString& m_languageText;
};

}  // namespace app
