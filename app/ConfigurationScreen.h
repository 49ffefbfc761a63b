#pragma once
// "Configuration", the administrator's screen: the two access passwords, the look-up options and
// web sources, the default loan period, the school's FTP account and the mail account of the
// grouped reminders, and the program's list files opened in the desktop's text editor. Its OK
// writes the settings file.
#include "app/ConfigurationControls.h"

#include <QString>

namespace app {

class TFrmPrin;

class ConfigurationScreen {
public:
    // Binds its handlers to the controls of the screen Panel16 and on the main window.
    ConfigurationScreen(TFrmPrin& frm, const ConfigurationControls& controls);

    const ConfigurationControls& controls() const { return m_controls; }

    void Paramtrerlelogiciel1Click();
    void Button63Click();
    void Button62Click();
    void ComboBox17Change();

private:
    TFrmPrin& m_frm;
    ConfigurationControls m_controls;
};

}  // namespace app
