#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include <functional>

// Keeps a window's repaints to the pace of its screen. A repaint asked for
// less than one refresh after the last frame waits until the refresh is due,
// and then paints everything asked for meanwhile at once. A run that changes
// the window thousands of times a second so paints only the frames a screen
// can show, while a lone change after a pause is painted at once.
class TFramePacer {
public:
    // `paint` paints the window's pending changes now.
    explicit TFramePacer(std::function<void()> paint);

    // Whether a repaint asked for now must wait for the next refresh of a
    // screen refreshing `refreshRate` times a second; if so, the pacer paints
    // when it is due. False means: paint now, and that counts as a frame.
    bool Defer(double refreshRate);

private:
    void PaintDue();

    std::function<void()> FPaint;
    QElapsedTimer FSinceLastFrame;
    QTimer FDue;
};
