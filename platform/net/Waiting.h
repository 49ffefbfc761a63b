#pragma once
// How a network request waits on the one program thread: it hands control to
// processMessages at least every 50 ms, so the window stays alive and handlers may run
// inside the wait, and it gives up once nothing has moved for `limit` (no answer to a
// connection, no byte sent or received). A slow but moving transfer is never cut off.
#include <QtGlobal>
#include <chrono>
#include <functional>

namespace net {

struct Waiting {
    std::function<void()> processMessages;
    std::chrono::milliseconds limit = std::chrono::seconds(120);
    // Monotonic milliseconds; the steady clock when empty. Tests inject their own.
    std::function<qint64()> clockMs;

    qint64 now() const;
};

}  // namespace net
