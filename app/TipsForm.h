#pragma once
// The tips window: a tip of the day under its title, "Suivant" for another tip and "Terminer" to
// close it; while the stock-take runs, the stock-take instructions instead. Created once at start
// and shown modally at the end of each login and when the stock-take screen opens. Its texts come
// from the tips file of the interface's language, "Languages\info_" + the language file name.
#include "platform/ui/Form.h"

#include <functional>

namespace ui {
class Button;
class Label;
class RichEdit;
}  // namespace ui

namespace app {

class TFrmPrin;

class TForm2 : public ui::Form {
public:
    TForm2(ui::Application& application, const TFrmPrin& main);

    ui::Label* Label1;
    ui::RichEdit* RichEdit1;
    ui::Button* Button1;
    ui::Button* Button2;

    // A number from 0 to range - 1; the system's generator unless a test gives its own.
    std::function<int(int range)> randomDraw;

    // Windows path of the tips file.
    QString tipsFile() const;

private:
    void FormShow();
    void Button1Click();
    void Button2Click();

    const TFrmPrin& m_main;
};

}  // namespace app
