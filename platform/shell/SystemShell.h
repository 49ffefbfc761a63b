#pragma once
// The desktop of this machine: xdg-open for pages, documents and folders; programs
// started detached.
#include "platform/shell/Shell.h"

namespace shell {

class SystemShell : public Shell {
public:
    bool open(const QString& target) override;
    bool start(const QString& program, const QStringList& arguments) override;
    [[noreturn]] void endProcess() override;
};

}  // namespace shell
