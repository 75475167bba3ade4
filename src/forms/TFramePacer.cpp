#include "forms/TFramePacer.h"

#include <cmath>

namespace {

// Screens that report no rate are taken as the common 60 Hz.
constexpr double FallbackRefreshRate = 60;

} // namespace

TFramePacer::TFramePacer(std::function<void()> paint) : FPaint(std::move(paint))
{
    FDue.setSingleShot(true);
    FDue.setTimerType(Qt::PreciseTimer);
    QObject::connect(&FDue, &QTimer::timeout, &FDue, [this] { PaintDue(); });
}

bool TFramePacer::Defer(double refreshRate)
{
    if (FDue.isActive())
        return true;
    const double rate = refreshRate > 0 ? refreshRate : FallbackRefreshRate;
    const qint64 frameNs = static_cast<qint64>(1e9 / rate);
    const qint64 sinceNs = FSinceLastFrame.isValid() ? FSinceLastFrame.nsecsElapsed() : frameNs;
    if (sinceNs >= frameNs) {
        FSinceLastFrame.start();
        return false;
    }
    FDue.start(static_cast<int>(std::ceil((frameNs - sinceNs) / 1e6)));
    return true;
}

void TFramePacer::PaintDue()
{
    FSinceLastFrame.start();
    FPaint();
}
