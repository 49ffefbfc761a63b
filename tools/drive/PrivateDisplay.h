#pragma once
// An X display of the driver's own: a private Xvfb server, so that rendered windows are drawn as
// on a real screen, the web engine's pages included (on the offscreen platform it draws none).
#include <sys/types.h>

namespace drive {

class PrivateDisplay {
public:
    PrivateDisplay() = default;
    ~PrivateDisplay();
    PrivateDisplay(const PrivateDisplay&) = delete;
    PrivateDisplay& operator=(const PrivateDisplay&) = delete;

    // Starts Xvfb and points DISPLAY and the Qt platform at it; false when Xvfb is not installed
    // or does not start.
    bool start();

private:
    pid_t m_server = -1;
};

}  // namespace drive
