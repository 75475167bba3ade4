#pragma once

#include "platform/TFrameClock.h"

#include <functional>
#include <vector>

// A frame clock for tests: time stands still until something waits for it,
// and then jumps to the time waited for. What the user does while a frame
// shows goes in WhileWaiting; every wait is recorded.
class TFakeFrameClock : public TFrameClock {
public:
    qint64 Now = 0;
    // Runs at the start of every wait, then the events it caused are dispatched.
    std::function<void()> WhileWaiting;
    // The times each wait started at.
    std::vector<qint64> Waits;
    // What every window's screen reports.
    double Rate = 60;

    qint64 NowNs() const override { return Now; }
    void DispatchUntil(qint64 dueNs) override;
    double RefreshRate(const QWidget&) const override { return Rate; }
};
