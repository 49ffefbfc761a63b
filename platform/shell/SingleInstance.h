#pragma once
// Only one copy of the program runs per user: the first start takes an exclusive lock on
// a file named after the program and holds it for its whole life; a later start is told at
// once. The system drops the lock when the process ends in any way, a crash included, so a
// lock file left behind never blocks a start.
#include <QString>

namespace shell {

class SingleInstance {
public:
    // The lock file for `name`: in the user's runtime folder, or in the temporary folder
    // with the user's id in the file name when there is no runtime folder.
    static QString lockPathFor(const QString& name);

    explicit SingleInstance(const QString& lockPath);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this object now holds the lock; false when another holder has it or the
    // lock file cannot be opened. Never waits.
    bool acquire();
    void release();

private:
    QString lockPath_;
    int descriptor_ = -1;
};

}  // namespace shell
