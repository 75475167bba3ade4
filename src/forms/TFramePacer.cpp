#include "forms/TFramePacer.h"

#include "platform/TFrameClock.h"
#include "platform/TPlatform.h"

#include <QCoreApplication>
#include <QWidget>

namespace {

constexpr double FallbackRefreshRate = 60;
constexpr double LowestRefreshRate = 20;
constexpr double HighestRefreshRate = 1000;

} // namespace

qint64 TFramePacer::RefreshIntervalNs() const
{
    const double reported = Platform().FrameClock().RefreshRate(FWindow);
    // Written so that NaN fails the test too.
    const bool plausible = reported >= LowestRefreshRate && reported <= HighestRefreshRate;
    return static_cast<qint64>(1e9 / (plausible ? reported : FallbackRefreshRate));
}

void TFramePacer::ShowFrame()
{
    // What Application->ProcessMessages does, from below the application.
    QCoreApplication::processEvents();
    // The frame goes on screen now, whatever the dispatch itself changed too.
    QCoreApplication::sendPostedEvents(&FWindow, QEvent::UpdateRequest);
    TFrameClock& clock = Platform().FrameClock();
    const qint64 interval = RefreshIntervalNs();
    const qint64 now = clock.NowNs();
    // Frames follow each other a refresh apart, so the time spent drawing one
    // does not add up over a run; a pacer held up by more than a refresh (a
    // message box, the first frame) starts afresh from now.
    FDueNs = FDueNs >= 0 && now - FDueNs < interval ? FDueNs + interval : now + interval;
    clock.DispatchUntil(FDueNs);
}
