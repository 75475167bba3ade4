#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>

// Dispatches events until the count reaches `expected`, for at most a second:
// for what another thread or the system delivers through the event loop.
inline void WaitFor(const int& count, int expected)
{
    QElapsedTimer timer;
    timer.start();
    while (count < expected && timer.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}
