#include "platform/TTerminationSignals.h"
#include "support/WaitFor.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <windows.h>

namespace {

TEST(TerminationSignals, ConsoleEventsAndTheSessionsEndBecomeOneCallEach)
{
    // The test runs without a console of its own; a program started from one
    // shares it.
    FreeConsole();
    ASSERT_TRUE(AllocConsole());
    int calls = 0;
    {
        TTerminationSignals requestsToCalls([&] { ++calls; });
        for (DWORD event : {CTRL_C_EVENT, CTRL_BREAK_EVENT}) {
            const int before = calls;
            ASSERT_TRUE(GenerateConsoleCtrlEvent(event, 0));
            WaitFor(calls, before + 1);
            EXPECT_EQ(calls, before + 1) << event;
        }
        // What Qt's Windows plugin emits when the session ends.
        QMetaObject::invokeMethod(QCoreApplication::instance(), "aboutToQuit");
        WaitFor(calls, 3);
        EXPECT_EQ(calls, 3);
    }
    // Gone with the object: nothing calls it any more.
    ASSERT_TRUE(GenerateConsoleCtrlEvent(CTRL_BREAK_EVENT, 0));
    QMetaObject::invokeMethod(QCoreApplication::instance(), "aboutToQuit");
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 3);
}

} // namespace
