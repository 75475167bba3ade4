#pragma once

#include "frame/Neowin.h"

class TPanel;

Q_MOC_INCLUDE("forms/TPanel.h")

// A small form on the frame: all three glyphs, and a panel in the client area.
class TTestFrame : public TNeoForm {
    Q_OBJECT
    Q_PROPERTY(TPanel* ClientPanel MEMBER ClientPanel)

public:
    using TNeoForm::TNeoForm;

    TPanel* ClientPanel = nullptr;
};
