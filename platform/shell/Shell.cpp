#include "platform/shell/Shell.h"

#include <utility>

namespace shell {

Shell::~Shell() = default;

void Shell::setCleanUp(std::function<void()> cleanUp)
{
    cleanUp_ = std::move(cleanUp);
}

void Shell::runCleanUp()
{
    if (const auto cleanUp = std::exchange(cleanUp_, nullptr))
        cleanUp();
}

}  // namespace shell
