#include "platform/TTerminationSignals.h"

#include <QCoreApplication>

#include <windows.h>

#include <atomic>

namespace {

std::atomic<TTerminationSignals*> Receiver{nullptr};

// Runs on a thread that the system starts for the event.
BOOL WINAPI OnConsoleEvent(DWORD event)
{
    if (TTerminationSignals* receiver = Receiver.load())
        QMetaObject::invokeMethod(
            receiver, [receiver] { receiver->Deliver(); }, Qt::QueuedConnection);
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT)
        return TRUE;
    // A closed console, a log-off or a shut-down: the system ends the process
    // as soon as this returns, so this waits for the program to end itself,
    // within the grace time the system gives.
    Sleep(INFINITE);
    return TRUE;
}

} // namespace

TTerminationSignals::TTerminationSignals(std::function<void()> onSignal)
    : FOnSignal(std::move(onSignal))
{
    Receiver = this;
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
    // The end of the session comes as a window message, which Qt turns into
    // aboutToQuit; the system ends the process soon after.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { Deliver(); });
}

TTerminationSignals::~TTerminationSignals()
{
    SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
    Receiver = nullptr;
}
