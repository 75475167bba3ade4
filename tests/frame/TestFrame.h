#pragma once

#include "frame/Neowin.h"

class TPanel;

// A small form on the frame: all three glyphs, and a panel in the client area.
class TTestFrame : public TNeoForm {
public:
    using TNeoForm::TNeoForm;
    static const TFormClass& StaticClass();
    const TFormClass& FormClass() const override { return StaticClass(); }

    TPanel* ClientPanel = nullptr;
};
