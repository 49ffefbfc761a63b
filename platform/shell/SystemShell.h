#pragma once
// The desktop of this machine: xdg-open for pages, documents and folders; programs
// started detached. A file or folder that is not there cannot be opened, and neither can
// anything while xdg-open is missing; what the opener does later is not waited for.
#include "platform/shell/Shell.h"

namespace shell {

class SystemShell : public Shell {
public:
    bool start(const QString& program, const QStringList& arguments) override;
    [[noreturn]] void endProcess() override;

protected:
    bool handOver(const QString& target) override;
};

}  // namespace shell
