#pragma once

#include "forms/TGraphic.h"

#include <functional>
#include <memory>

// Holds one graphic, or none, and passes its changes on.
class TPicture {
public:
    TGraphic* Graphic() const { return FGraphic.get(); }
    void SetGraphic(std::unique_ptr<TGraphic> graphic);

    // Raised for every change; replaced is true when another graphic (or
    // none) was installed, false when the graphic's pixels changed.
    std::function<void(bool replaced)> OnChange;

private:
    void Changed(bool replaced);

    std::unique_ptr<TGraphic> FGraphic;
};
