#pragma once
// Plays a scenario against the program's windows, headless: starts the program in a program
// folder, feeds the script's input the way a librarian and a scanner would, answers dialogs
// from the script, and prints what a person would have seen happen.
#include "tools/drive/ScenarioScript.h"

#include <QSet>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <memory>

namespace ui {
class Application;
class Form;
}

namespace drive {

class RealInput;

class ScenarioRunner {
public:
    // out receives the event lines; a screenshot is taken by `screenshot` when given.
    using Screenshot = std::function<bool(const QString& file)>;

    explicit ScenarioRunner(QTextStream& out);
    ~ScenarioRunner();

    void setScreenshot(Screenshot screenshot) { m_screenshot = std::move(screenshot); }
    // Input through the real display, for the real* actions.
    void setRealInput(std::shared_ptr<RealInput> input) { m_realInput = std::move(input); }
    // Called once the program's application exists, before start-up; what it returns lives
    // until the program's windows end (a renderer).
    using Attach = std::function<std::shared_ptr<void>(ui::Application&)>;
    void setAttach(Attach attach) { m_attach = std::move(attach); }
    // Starts another program of the folder (the preview program) instead of the library
    // program: returns its main window, shown.
    using Start = std::function<std::unique_ptr<ui::Form>(ui::Application&)>;
    void setStart(Start start) { m_start = std::move(start); }
    // Runs the script; returns the exit status: 0 when every expectation held and every
    // dialog found its answer, 1 otherwise.
    int run(const std::vector<Action>& actions);

private:
    struct Host;
    bool perform(const Action& action);
    bool performReal(const Action& action);
    void reportChanges();
    bool fail(const Action& action, const QString& message);

    QTextStream& m_out;
    Screenshot m_screenshot;
    std::shared_ptr<RealInput> m_realInput;
    Attach m_attach;
    Start m_start;
    std::unique_ptr<Host> m_host;
    QSet<QString> m_shownScreens;
    int m_reportedRecords = 0;
};

}  // namespace drive
