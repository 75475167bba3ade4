#include "platform/TTerminationSignals.h"
#include "support/WaitFor.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <windows.h>

namespace {

TEST(TerminationSignals, ConsoleEventsAndTheSessionsEndBecomeOneCallEach)
{
    // The test runs without a console of its own; a program started from one
    // shares it. Wine's consoles take no generated events: there only the
    // session's end is checked.
    FreeConsole();
    ASSERT_TRUE(AllocConsole());
    int calls = 0;
    {
        TTerminationSignals requestsToCalls([&] { ++calls; });
        for (DWORD event : {CTRL_C_EVENT, CTRL_BREAK_EVENT}) {
            const int before = calls;
            if (!GenerateConsoleCtrlEvent(event, 0))
                break;
            WaitFor(calls, before + 1);
            EXPECT_EQ(calls, before + 1) << event;
        }
        // What Qt's Windows plugin emits when the session ends.
        const int before = calls;
        QMetaObject::invokeMethod(QCoreApplication::instance(), "aboutToQuit");
        WaitFor(calls, before + 1);
        EXPECT_EQ(calls, before + 1);
    }
    // Gone with the object: nothing calls it any more. (A console event now
    // would end the test by the system's default.)
    const int before = calls;
    QMetaObject::invokeMethod(QCoreApplication::instance(), "aboutToQuit");
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, before);
}

} // namespace
