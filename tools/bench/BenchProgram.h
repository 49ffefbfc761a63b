#pragma once
// The program as the benchmarks run it: headless, without network, over a program folder that
// holds the 50,000-copy catalogue.
#include "app/Program.h"
#include "platform/files/WindowsPath.h"
#include "platform/media/SoundCommands.h"
#include "platform/shell/RecordingShell.h"
#include "platform/ui/Application.h"
#include "platform/ui/Clock.h"
#include "platform/ui/ScriptedDialogs.h"
#include "platform/ui/testing/InputDriver.h"
#include "program/ProgramScreens.h"

#include <QTemporaryDir>

namespace bench {

// A program folder with the catalogue, inside a temporary drive.
class BenchProgramFolder {
public:
    BenchProgramFolder();
    QString folder() const { return m_drive.filePath(QStringLiteral("Qvlzantor")); }
    // The catalogue as it was made.
    void reset() const;
    // Makes it the program folder of this process and its working folder, as the program runs.
    void enter() const;

private:
    QTemporaryDir m_drive;
    QString m_catalogue;
};

// The program started as its entry starts it, answering Cancel to the start-up question
// (with no maker's host set, the FTP test fails at once).
struct HeadlessProgram {
    ui::VirtualClock clock;
    ui::ScriptedDialogs dialogs;
    ui::Application application{clock, dialogs};
    shell::RecordingShell shell;
    media::SoundCommands sound{[](const QString& p) { return files::nativePath(p); }, QString()};
    app::ProgramServices services{application, shell, sound, {}};
    app::Program program{services};

    void start(const std::vector<app::ScreenInstaller>& screens = {})
    {
        dialogs.answer(QStringLiteral("Cancel"));
        program.start(screens);
    }
};

// The program started and logged in as administrator, the tips window closed: the book screen
// is open on the catalogue's last book.
struct LoggedInProgram {
    HeadlessProgram p;
    ui::testing::InputDriver input{p.application};

    LoggedInProgram()
    {
        p.start(program::programScreens());
        p.dialogs.answer(QString());
        p.dialogs.answer(QStringLiteral("Terminer"));
        input.menu(QStringLiteral("Fichier > Administrateur"));
    }
    app::TFrmPrin& frm() { return p.program.mainWindow(); }
};

}  // namespace bench
