#pragma once

#include "forms/TRasterGraphic.h"

#include <memory>

class TCanvas;

// A 32-bit raster that reads back exactly what was written. A new bitmap is
// all white; its canvas is made on the first request. It loads BMP files.
class TBitmap : public TRasterGraphic {
    Q_OBJECT

public:
    Q_INVOKABLE TBitmap();
    // Raises EOutOfResources when the raster cannot be allocated.
    TBitmap(int width, int height);
    ~TBitmap() override;

    std::unique_ptr<TGraphic> Clone() const override;
    void LoadFromData(const QByteArray& data) override;

    TCanvas& Canvas();

private:
    std::unique_ptr<TCanvas> FCanvas;
};
