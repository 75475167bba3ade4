#pragma once

#include <QObject>

#include <functional>

// Turns the system's requests to end the program into a call on the GUI
// thread: on Linux SIGTERM, SIGINT and SIGHUP; on Windows a console's Ctrl+C,
// Ctrl+Break or close, and the end of the session. The request is only noted
// where it arrives; the call comes from the event loop. One instance per
// process.
class TTerminationSignals : public QObject {
public:
    explicit TTerminationSignals(std::function<void()> onSignal);
    ~TTerminationSignals() override;
    TTerminationSignals(const TTerminationSignals&) = delete;
    TTerminationSignals& operator=(const TTerminationSignals&) = delete;

    // Calls onSignal; what the system's handlers post to the GUI thread.
    void Deliver()
    {
        if (FOnSignal)
            FOnSignal();
    }

private:
    std::function<void()> FOnSignal;
};
