#include "platform/TTerminationSignals.h"
#include "support/WaitFor.h"

#include <QCoreApplication>

#include <csignal>

#include <gtest/gtest.h>

namespace {

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
