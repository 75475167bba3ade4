#include "support/TFakeFrameClock.h"

#include <QCoreApplication>

#include <algorithm>

void TFakeFrameClock::DispatchUntil(qint64 dueNs)
{
    Waits.push_back(Now);
    if (WhileWaiting)
        WhileWaiting();
    QCoreApplication::processEvents();
    Now = std::max(Now, dueNs);
}
