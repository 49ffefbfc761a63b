#pragma once
// What the program asks of the desktop: open a page, document or folder in its default
// program, start another program, and end its own process. The program holds one Shell;
// tests and the scenario driver give it a RecordingShell instead of the SystemShell.
//
// Paths are native ones: mapping the program's Windows paths is done before the call.
#include <QString>
#include <QStringList>
#include <functional>

namespace shell {

class Shell {
public:
    virtual ~Shell();

    // Opens a web address, a document or a folder in its default program; nothing is
    // waited for. False when it could not be handed over, and the open failure is told.
    bool open(const QString& target);
    // Starts a program, by name (found on the PATH) or by path, with its arguments:
    // detached, its output discarded, never waited for. False when it cannot start.
    virtual bool start(const QString& program, const QStringList& arguments) = 0;
    // Runs the clean-up (commit and close the database), then ends this process at once
    // with exit code 0, so nothing after the call runs. The recording shell only records
    // and returns, so the driver can stop the run.
    virtual void endProcess() = 0;

    // The clean-up runs once, at the first endProcess().
    void setCleanUp(std::function<void()> cleanUp);
    // Told the target of each open() that fails, so that every caller's failure reaches the user.
    void setOpenFailure(std::function<void(const QString& target)> report);

protected:
    // Hands the target to the desktop's opener; false when it cannot.
    virtual bool handOver(const QString& target) = 0;
    void runCleanUp();

private:
    std::function<void()> cleanUp_;
    std::function<void(const QString&)> openFailure_;
};

}  // namespace shell
