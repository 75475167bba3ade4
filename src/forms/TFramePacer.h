#pragma once

#include <QtGlobal>

class QWidget;

// Shows an animation in a window one frame per refresh of the window's screen.
// After the caller has drawn a frame, ShowFrame() dispatches what is pending,
// paints the frame, and goes on dispatching events, idle between them, until
// the frame has been on screen for one refresh. So every frame is shown, each
// for as long as the screen shows anything, and the caller draws the next one
// only then. The pace comes from the platform's frame clock, not from the
// paint: a window that paints nothing (minimised, hidden) keeps it too.
class TFramePacer {
public:
    explicit TFramePacer(QWidget& window) : FWindow(window) {}

    void ShowFrame();

    // One refresh of the window's screen; 60 Hz where the screen names no
    // rate or one no screen has (outside 20 to 1000 Hz), so a broken screen
    // neither holds a frame for seconds nor unpaces the run.
    qint64 RefreshIntervalNs() const;

private:
    QWidget& FWindow;
    // When the frame on screen is due to give way; negative before the first.
    qint64 FDueNs = -1;
};
