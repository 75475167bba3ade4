#include "platform/TTerminationSignals.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <csignal>

#include <gtest/gtest.h>

namespace {

// Dispatches events until the count reaches `expected`, for at most a second.
void WaitFor(const int& count, int expected)
{
    QElapsedTimer timer;
    timer.start();
    while (count < expected && timer.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

TEST(TerminationSignals, EachSignalBecomesOneCallInTheEventLoop)
{
    int calls = 0;
    {
        TTerminationSignals signalsToCalls([&] { ++calls; });
        for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
            const int before = calls;
            std::raise(signal);
            EXPECT_EQ(calls, before) << "not inside the handler";
            WaitFor(calls, before + 1);
            EXPECT_EQ(calls, before + 1) << signal;
        }
    }
    // Gone with the object: the default action is back.
    struct sigaction action = {};
    ::sigaction(SIGTERM, nullptr, &action);
    EXPECT_EQ(action.sa_handler, SIG_DFL);
}

} // namespace
