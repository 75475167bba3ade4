#pragma once

#include "platform/TFrameClock.h"

#include <QElapsedTimer>

// The frame clock on Qt's monotonic timer and event loop.
class TQtFrameClock : public TFrameClock {
public:
    TQtFrameClock() { FSince.start(); }

    qint64 NowNs() const override { return FSince.nsecsElapsed(); }
    void DispatchUntil(qint64 dueNs) override;
    double RefreshRate(const QWidget& window) const override;

private:
    QElapsedTimer FSince;
};
