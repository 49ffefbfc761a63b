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

namespace app {
class Program;
}

namespace drive {

class ScenarioRunner {
public:
    // out receives the event lines; a screenshot is taken by `screenshot` when given.
    using Screenshot = std::function<bool(const QString& file)>;

    explicit ScenarioRunner(QTextStream& out);
    ~ScenarioRunner();

    void setScreenshot(Screenshot screenshot) { m_screenshot = std::move(screenshot); }
    // Runs the script; returns the exit status: 0 when every expectation held and every
    // dialog found its answer, 1 otherwise.
    int run(const std::vector<Action>& actions);

private:
    struct Host;
    bool perform(const Action& action);
    void reportChanges();
    bool fail(const Action& action, const QString& message);

    QTextStream& m_out;
    Screenshot m_screenshot;
    std::unique_ptr<Host> m_host;
    QSet<QString> m_shownScreens;
    int m_reportedRecords = 0;
};

}  // namespace drive
