#pragma once

#include "frame/Neowin.h"

#include <vector>

// A small form on the frame: all three glyphs, and a panel in the client area.
class TTestFrame : public TNeoForm {
    Q_OBJECT
    Q_PROPERTY(TPanel* ClientPanel MEMBER ClientPanel)

public:
    using TNeoForm::TNeoForm;

    TPanel* ClientPanel = nullptr;

    // The bounds each change by code left the window with, in order.
    std::vector<QRect> BoundsChanges;
    void SetBounds(int left, int top, int width, int height) override
    {
        TNeoForm::SetBounds(left, top, width, height);
        BoundsChanges.push_back(BoundsRect());
    }
};
