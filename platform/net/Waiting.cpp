#include "platform/net/Waiting.h"

namespace net {

qint64 Waiting::now() const
{
    if (clockMs)
        return clockMs();
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace net
