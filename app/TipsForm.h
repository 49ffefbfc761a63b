#pragma once
// The tips window: a tip of the day under its title, "Suivant" for another tip and "Terminer" to
// close it. Created once at start and shown modally at the end of each login.
#include "platform/ui/Form.h"

namespace ui {
class Button;
class Label;
class RichEdit;
}  // namespace ui

namespace app {

class TForm2 : public ui::Form {
public:
    explicit TForm2(ui::Application& application);

    ui::Label* Label1;
    ui::RichEdit* RichEdit1;
    ui::Button* Button1;
    ui::Button* Button2;

private:
    void Button2Click();
};

}  // namespace app
