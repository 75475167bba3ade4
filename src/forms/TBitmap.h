#pragma once

#include "forms/TGraphic.h"

#include <QImage>

#include <memory>

class TCanvas;

// A 32-bit raster that reads back exactly what was written. A new bitmap is
// all white; its canvas is made on the first request. It loads BMP files.
class TBitmap : public TGraphic
{
public:
    TBitmap();
    // Raises EOutOfResources when the raster cannot be allocated.
    TBitmap(int width, int height);
    ~TBitmap() override;

    int Width() const override { return FImage.width(); }
    int Height() const override { return FImage.height(); }
    void Draw(QPainter& painter) const override;
    bool Opaque() const override { return true; }
    std::unique_ptr<TGraphic> Clone() const override;
    void LoadFromData(const QByteArray& data) override;

    TCanvas& Canvas();
    const QImage& Image() const { return FImage; }

private:
    QImage FImage;
    std::unique_ptr<TCanvas> FCanvas;
};
