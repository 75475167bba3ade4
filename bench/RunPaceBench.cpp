// A paced run in a real window (X11 or Wayland), on the real frame clock: how
// much of a core it takes, and the part of it that showing the board takes by
// itself; how evenly its generations reach the window; and in an X11 window
// how soon a Stop press that comes through the X server ends it.
#include "BenchSeeds.h"
#include "BenchWindow.h"

#include "app/TForm1.h"
#include "forms/TBitBtn.h"
#include "forms/TEdit.h"
#include "forms/TFramePacer.h"
#include "forms/TImage.h"
#include "platform/TPlatform.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <initializer_list>
#include <vector>

namespace {

// The desktop's own platform, and with it the real frame clock, while it lives.
class TDesktopPlatform {
public:
    TDesktopPlatform() : FPrevious(Platform()) { SetPlatform(nullptr); }
    ~TDesktopPlatform() { SetPlatform(&FPrevious); }
    TDesktopPlatform(const TDesktopPlatform&) = delete;
    TDesktopPlatform& operator=(const TDesktopPlatform&) = delete;

private:
    TPlatform& FPrevious;
};

// Notes when the board is painted, in milliseconds.
class TBoardPaints : public QObject {
public:
    explicit TBoardPaints(QWidget& board)
    {
        board.installEventFilter(this);
        FSince.start();
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            Times.push_back(FSince.nsecsElapsed() / 1e6);
        return false;
    }

    std::vector<double> Intervals() const
    {
        std::vector<double> intervals;
        for (std::size_t i = 1; i < Times.size(); ++i)
            intervals.push_back(Times[i] - Times[i - 1]);
        return intervals;
    }

    std::vector<double> Times;

private:
    QElapsedTimer FSince;
};

// The process's CPU time over the wall time since it was made.
class TCpuShare {
public:
    TCpuShare() : FCpuBefore(ProcessCpuSeconds()) { FWall.start(); }

    double Value() const
    {
        return (ProcessCpuSeconds() - FCpuBefore) /
               (static_cast<double>(FWall.nsecsElapsed()) / 1e9);
    }

private:
    static double ProcessCpuSeconds()
    {
        timespec now{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
        return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
    }

    double FCpuBefore;
    QElapsedTimer FWall;
};

// The value below which the given share of the values lie.
double Percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(share * static_cast<double>(values.size() - 1))];
}

bool OnPlatform(benchmark::State& state, std::initializer_list<const char*> platforms)
{
    for (const char* platform : platforms)
        if (QGuiApplication::platformName() == QLatin1String(platform))
            return true;
    state.SkipWithError("needs a real display of another kind");
    return false;
}

// 300 generations of the soup that grows, so every generation paints the board.
void PacedRun(benchmark::State& state)
{
    if (!OnPlatform(state, {"xcb", "wayland"}))
        return;
    TForm1& form = ShownMainWindow();
    TDesktopPlatform desktop;
    form.edt1->SetText("300");
    for (auto _ : state) {
        SeedSoup(form, GrowingSoup);
        TBoardPaints paints(*form.img1);
        const TCpuShare cpuShare;
        form.btnGoClick(form.btnGo);
        state.counters["cpu_share"] = cpuShare.Value();
        state.counters["frame_interval_median_ms"] = Percentile(paints.Intervals(), 0.5);
        state.counters["frame_interval_p95_ms"] = Percentile(paints.Intervals(), 0.95);
        state.counters["frames"] = static_cast<double>(paints.Times.size());
    }
    state.counters["refresh_interval_ms"] =
        static_cast<double>(TFramePacer(form).RefreshIntervalNs()) / 1e6;
}
BENCHMARK(PacedRun)->Iterations(1)->Unit(benchmark::kMillisecond);

// 300 frames on the run's pacer with no generation and no status text: what
// showing the board costs by itself, under any run of the same window.
void PacedFrames(benchmark::State& state, bool repaintBoard)
{
    if (!OnPlatform(state, {"xcb", "wayland"}))
        return;
    TForm1& form = ShownMainWindow();
    TDesktopPlatform desktop;
    for (auto _ : state) {
        TFramePacer pacer(form);
        const TCpuShare cpuShare;
        for (int frame = 0; frame < 300; ++frame) {
            // The whole board, as a soup that changes everywhere paints it.
            if (repaintBoard)
                form.img1->update();
            pacer.ShowFrame();
        }
        state.counters["cpu_share"] = cpuShare.Value();
    }
}

// The wait for the next refresh alone.
void PacedWait(benchmark::State& state)
{
    PacedFrames(state, false);
}
BENCHMARK(PacedWait)->Iterations(1)->Unit(benchmark::kMillisecond);

void PacedRepaint(benchmark::State& state)
{
    PacedFrames(state, true);
}
BENCHMARK(PacedRepaint)->Iterations(1)->Unit(benchmark::kMillisecond);

// Clicks Stop as a user's mouse would, through the X server.
void ClickThroughTheServer(Display* display, QWidget& button)
{
    const QPoint at = button.mapToGlobal(button.rect().center());
    XTestFakeMotionEvent(display, -1, at.x(), at.y(), CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XFlush(display);
}

void StopLatency(benchmark::State& state)
{
    if (!OnPlatform(state, {"xcb"}))
        return;
    TForm1& form = ShownMainWindow();
    TDesktopPlatform desktop;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    form.edt1->SetText("100000");
    std::vector<double> latencies;
    for (auto _ : state) {
        SeedSoup(form, SettlingSoup);
        QElapsedTimer sincePress;
        // Each press falls at another moment of its frame.
        QTimer press;
        press.setSingleShot(true);
        QObject::connect(&press, &QTimer::timeout, [&] {
            sincePress.start();
            ClickThroughTheServer(x11->display(), *form.btnStop->FocusWidget());
        });
        press.start(300 + 7 * static_cast<int>(latencies.size()));
        // Should the click go astray, the run still ends, and the figure says so.
        QTimer rescue;
        rescue.setSingleShot(true);
        QObject::connect(&rescue, &QTimer::timeout, [&] { form.btnStopClick(nullptr); });
        rescue.start(3000);
        form.btnGoClick(form.btnGo);
        if (!rescue.isActive()) {
            state.SkipWithError("the click did not reach Stop");
            return;
        }
        latencies.push_back(static_cast<double>(sincePress.nsecsElapsed()) / 1e6);
    }
    state.counters["median_ms"] = Percentile(latencies, 0.5);
}
BENCHMARK(StopLatency)->Iterations(7)->Unit(benchmark::kMillisecond);

} // namespace
