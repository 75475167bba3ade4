#pragma once

#include "forms/TGraphic.h"

#include <QImage>

// A graphic held as a raster of 32-bit pixels (Format_RGB32): every pixel is
// drawn, unscaled.
class TRasterGraphic : public TGraphic {
public:
    int Width() const override { return FImage.width(); }
    int Height() const override { return FImage.height(); }
    void Draw(QPainter& painter) const override;
    bool Opaque() const override { return true; }

    const QImage& Image() const { return FImage; }

protected:
    QImage FImage;
};
