#include "platform/shell/Shell.h"

#include <utility>

namespace shell {

Shell::~Shell() = default;

bool Shell::open(const QString& target)
{
    if (handOver(target))
        return true;
    if (openFailure_)
        openFailure_(target);
    return false;
}

void Shell::setCleanUp(std::function<void()> cleanUp)
{
    cleanUp_ = std::move(cleanUp);
}

void Shell::setOpenFailure(std::function<void(const QString& target)> report)
{
    openFailure_ = std::move(report);
}

void Shell::runCleanUp()
{
    if (const auto cleanUp = std::exchange(cleanUp_, nullptr))
        cleanUp();
}

}  // namespace shell
