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
    // Through the real display (--render): Qt's and the web engine's own event handling.
    RealClick, RealDoubleClick, RealRightClick, RealWheel, RealType, RealKey,
};

struct Action {
    ActionKind kind = ActionKind::Quit;
    QString control;     // Click, Tab, Expect*, Show, WaitPage; Real*Click at its middle
    // Scan, Type, Key, Answer, ExpectText, ExpectPageText, Screenshot, RealType, RealKey; Real*Click
    // on the element of the page of the web view `control` that shows it
    QString text;
    QStringList path;    // Menu: captions from the menu bar down
    int x = 0, y = 0;    // ClickAt, RealWheel, Real*Click without a control
    int notches = 0;     // RealWheel, downwards when positive
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
