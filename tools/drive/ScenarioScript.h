#pragma once
// The scenario language of qvl-drive: one action a line, "#" starts a comment line.
#include <QString>
#include <QStringList>
#include <stdexcept>
#include <vector>

namespace drive {

enum class ActionKind {
    Scan, Type, Key, Click, ClickAt, Tab, Menu, Answer, Wait, WaitPage,
    ExpectVisible, ExpectHidden, ExpectText, ExpectPageText, ExpectFocus, Show, Screenshot, Quit,
};

struct Action {
    ActionKind kind = ActionKind::Quit;
    QString control;     // Click, Tab, Expect*, Show, WaitPage
    QString text;        // Scan, Type, Key, Answer, ExpectText, ExpectPageText, Screenshot
    QStringList path;    // Menu: captions from the menu bar down
    int x = 0, y = 0;    // ClickAt
    int milliseconds = 0;
    int line = 0;        // in the script, for messages
};

class ScriptError : public std::runtime_error {
public:
    ScriptError(int line, const QString& message);
};

// Throws ScriptError naming the line of the first malformed action.
std::vector<Action> parseScript(const QString& script);

}  // namespace drive
