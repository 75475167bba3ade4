#include "forms/TPicture.h"

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic)
{
    FGraphic = std::move(graphic);
    if (FGraphic)
        FGraphic->OnChange = [this] { Changed(false); };
    Changed(true);
}

void TPicture::Changed(bool replaced)
{
    if (OnChange)
        OnChange(replaced);
}
