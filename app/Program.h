#pragma once
// The program's windows from start to end: the splash window while the windows are created,
// the main window with its start-up, the tips window and the language chooser. The
// single-instance test comes before, in the host (the program's main, or the scenario driver).
#include "app/ProgramServices.h"

#include <functional>
#include <memory>
#include <vector>

namespace app {

class TFrmPrin;
class TForm1;
class TForm2;
class TForm4;

// Adds a screen's controls to the main window and binds its handlers, before start-up runs.
using ScreenInstaller = std::function<void(TFrmPrin&)>;

class Program {
public:
    static inline const QString kInstanceName = QStringLiteral("Qvl_eZantor");

    explicit Program(ProgramServices& services);
    ~Program();

    // Shows the splash, creates the windows in their order (the main window's start-up runs
    // there), then closes the splash. The main window stays whatever start-up left it in.
    void start(const std::vector<ScreenInstaller>& screens = {});

    TFrmPrin& mainWindow() const { return *m_main; }
    TForm2& tipsForm() const { return *m_tips; }
    TForm4& languageForm() const { return *m_language; }
    // Where the help of the program lies.
    const QString& helpFile() const { return m_helpFile; }

private:
    ProgramServices& m_services;
    QString m_helpFile;
    std::unique_ptr<TForm1> m_splash;
    std::unique_ptr<TFrmPrin> m_main;
    std::unique_ptr<TForm2> m_tips;
    std::unique_ptr<TForm4> m_language;
};

}  // namespace app
