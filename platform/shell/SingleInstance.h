#pragma once
// Only one copy of the program runs per user: the first start takes an exclusive lock on
// a file named after the program and holds it for its whole life; a later start is told at
// once. The system drops the lock when the process ends in any way, a crash included, so a
// lock file left behind never blocks a start.
//
// Only a lock held by another process means another copy runs. Without a runtime folder the
// file lies in the shared temporary folder, where another user may have put something under
// its name: a file that is not a regular file of this user, or that cannot be opened or
// locked, is a failure of its own, for the program to report.
#include <QString>

namespace shell {

class SingleInstance {
public:
    enum class Claim {
        Held,          // this object holds the lock
        HeldElsewhere, // another process holds it: another copy runs
        Failed         // the lock file cannot serve (see errorString)
    };

    // The lock file for `name`: in the user's runtime folder, or in the temporary folder
    // with the user's id in the file name when there is no runtime folder.
    static QString lockPathFor(const QString& name);

    explicit SingleInstance(const QString& lockPath);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Never waits.
    Claim acquire();
    void release();

    const QString& lockPath() const { return lockPath_; }
    // Why the last acquire failed, naming the lock file; empty after any other outcome.
    const QString& errorString() const { return error_; }

private:
    Claim fail(const QString& reason);

    QString lockPath_;
    QString error_;
    int descriptor_ = -1;
};

}  // namespace shell
