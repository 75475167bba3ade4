#pragma once

#include <QtGlobal>

class QWidget;

// The clock an animation keeps its frames to: a monotonic time, and a wait
// that goes on dispatching events until a time has come. The program uses the
// real one; a test's fake lets time pass as fast as the test likes.
class TFrameClock {
public:
    virtual ~TFrameClock() = default;

    // Nanoseconds since some fixed point; never goes back.
    virtual qint64 NowNs() const = 0;
    // Dispatches events, sleeping while there are none, until NowNs() has
    // reached `dueNs`. Returns at once when it has already.
    virtual void DispatchUntil(qint64 dueNs) = 0;
    // The refresh rate, in hertz, of the screen the window shows on, as the
    // screen reports it: 0 where it names none, and anything at all from a
    // broken one.
    virtual double RefreshRate(const QWidget& window) const = 0;
};
