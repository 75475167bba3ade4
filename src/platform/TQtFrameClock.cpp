#include "platform/TQtFrameClock.h"

#include <QCoreApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

void TQtFrameClock::DispatchUntil(qint64 dueNs)
{
    // The timer only wakes the loop; a wait rounded up to whole milliseconds
    // never ends early, so the loop never spins.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    for (qint64 left = dueNs - NowNs(); left > 0; left = dueNs - NowNs()) {
        wake.start(static_cast<int>((left + 999'999) / 1'000'000));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

double TQtFrameClock::RefreshRate(const QWidget& window) const
{
    const QScreen* screen = window.screen();
    return screen ? screen->refreshRate() : 0;
}
