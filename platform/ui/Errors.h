#pragma once
// Exceptions of the control model.
#include <QString>
#include <stdexcept>

namespace ui {

// The library's error for an operation the controls' state forbids, such as focusing a hidden
// control. Inside a handler it ends the handler and shows in the standard error box.
class InvalidOperation : public std::runtime_error {
public:
    explicit InvalidOperation(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// The library's own message for focusing a control that cannot take the focus.
inline const QString kCannotFocus = QStringLiteral("Cannot focus a disabled or invisible window");

// An exception that the handler guard never catches: it ends the whole run instead of one
// handler. Script failures (a dialog nobody answered) and the program ending itself derive
// from it.
class Unguarded : public std::runtime_error {
public:
    explicit Unguarded(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

// A scripted run (a test, the scenario driver) met something its script does not provide for.
class ScriptFailure : public Unguarded {
public:
    using Unguarded::Unguarded;
};

}  // namespace ui
