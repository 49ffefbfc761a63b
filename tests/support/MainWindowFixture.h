#pragma once
// The main window in this process, on a copy of the program folder, with a virtual clock,
// scripted dialogs and a shell that only records.
#include "ProgramFolder.h"
#include "QtPrinters.h"

#include "app/FrmPrin.h"
#include "app/Program.h"
#include "platform/files/WindowsPath.h"
#include "platform/media/SoundCommands.h"
#include "platform/shell/RecordingShell.h"
#include "platform/ui/Application.h"
#include "platform/ui/Clock.h"
#include "platform/ui/ScriptedDialogs.h"
#include "platform/ui/testing/InputDriver.h"

#include <gtest/gtest.h>
#include <memory>

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() { files::setProgramFolder(program.folder()); }

    // Starts the program as its entry does, with the given screens; answers are taken by the
    // dialogs of start-up.
    app::TFrmPrin& start(const QStringList& answers = {"Cancel"}, const std::vector<app::ScreenInstaller>& screens = {})
    {
        for (const QString& a : answers)
            dialogs.answer(a);
        entry = std::make_unique<app::Program>(services);
        entry->start(screens);
        application.processMessages();
        return entry->mainWindow();
    }
    app::TFrmPrin& frm() { return entry->mainWindow(); }
    QStringList dialogTexts() const
    {
        QStringList texts;
        for (const ui::DialogRecord& r : dialogs.log())
            texts << r.text;
        return texts;
    }

    ProgramFolder program;
    ui::VirtualClock clock{QDateTime(QDate(2025, 12, 8), QTime(8, 30))};
    ui::ScriptedDialogs dialogs;
    ui::Application application{clock, dialogs};
    shell::RecordingShell shell;
    media::SoundCommands sound{[](const QString& p) { return files::nativePath(p); }, QString()};
    QStringList fontsRegistered;
    app::ProgramServices services{application, shell, sound,
                                  [this](const QString& path) { fontsRegistered << path; return true; }};
    std::unique_ptr<app::Program> entry;
    ui::testing::InputDriver input{application};
};
