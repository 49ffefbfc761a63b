#pragma once
// A hook for the platform's own event loop (the renderer's): called whenever the model processes
// messages or waits, so that windows repaint and real input becomes queued model input while a
// handler waits in Delay, a page wait or a modal loop. Headless runs have none.

namespace ui {

class PlatformPump {
public:
    virtual ~PlatformPump() = default;
    // Handles the platform's pending events without blocking.
    virtual void processEvents() = 0;
};

}  // namespace ui
