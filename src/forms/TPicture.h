#pragma once

#include "forms/TGraphic.h"

#include <functional>
#include <memory>

// Holds one graphic, or none, and passes its changes on.
class TPicture {
public:
    TGraphic* Graphic() const { return FGraphic.get(); }
    void SetGraphic(std::unique_ptr<TGraphic> graphic);

    std::function<void()> OnChange;

private:
    void Changed();

    std::unique_ptr<TGraphic> FGraphic;
};
