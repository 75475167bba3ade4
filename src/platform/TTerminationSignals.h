#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a call on the GUI thread. The signal
// handler only writes one byte to a pipe; a socket notifier reads it in the
// event loop and calls OnSignal there. One instance per process.
class TTerminationSignals : public QObject {
public:
    explicit TTerminationSignals(std::function<void()> onSignal);
    ~TTerminationSignals() override;
    TTerminationSignals(const TTerminationSignals&) = delete;
    TTerminationSignals& operator=(const TTerminationSignals&) = delete;

private:
    void Drain();

    std::function<void()> FOnSignal;
    QSocketNotifier* FNotifier = nullptr;
};
