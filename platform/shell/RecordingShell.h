#pragma once
// A shell that only writes down what was asked, one line each: "open: TARGET",
// "start: PROGRAM ARGUMENTS" (joined by blanks) and "exit". Opens succeed unless it stands for a
// desktop that cannot open anything.
#include "platform/shell/Shell.h"

namespace shell {

class RecordingShell : public Shell {
public:
    bool start(const QString& program, const QStringList& arguments) override;
    // Records "exit", runs the clean-up and returns.
    void endProcess() override;

    // From now on each open is recorded and then fails.
    void failOpens();

    const QStringList& records() const;
    bool processEnded() const;

protected:
    bool handOver(const QString& target) override;

private:
    QStringList records_;
    bool processEnded_ = false;
    bool opensFail_ = false;
};

}  // namespace shell
