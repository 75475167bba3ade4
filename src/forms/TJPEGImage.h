#pragma once

#include "forms/TGraphic.h"

#include <QImage>

// A picture decoded from a JPEG file with libjpeg. Decoding is strict: any
// warning (a truncated or damaged file) is an error, and sizes and scan
// counts are checked before anything large is allocated.
class TJPEGImage : public TGraphic
{
public:
    static constexpr int MaxSide = 16384;
    static constexpr long long MaxPixels = 64LL * 1000 * 1000;
    static constexpr int MaxScans = 1000;

    int Width() const override { return FImage.width(); }
    int Height() const override { return FImage.height(); }
    void Draw(QPainter& painter) const override;
    bool Opaque() const override { return true; }
    std::unique_ptr<TGraphic> Clone() const override;
    void LoadFromData(const QByteArray& data) override;

    // 32-bit pixels, Format_RGB32.
    const QImage& Image() const { return FImage; }

private:
    QImage FImage;
};
