#pragma once
// A shell that only writes down what was asked, one line each: "open: TARGET",
// "start: PROGRAM ARGUMENTS" (joined by blanks) and "exit".
#include "platform/shell/Shell.h"

namespace shell {

class RecordingShell : public Shell {
public:
    bool open(const QString& target) override;
    bool start(const QString& program, const QStringList& arguments) override;
    // Records "exit", runs the clean-up and returns.
    void endProcess() override;

    const QStringList& records() const;
    bool processEnded() const;

private:
    QStringList records_;
    bool processEnded_ = false;
};

}  // namespace shell
