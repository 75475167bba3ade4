#pragma once

#include "forms/TRasterGraphic.h"

// A picture decoded from a JPEG file with libjpeg. Decoding is strict: any
// warning (a truncated or damaged file) is an error, and sizes and scan
// counts are checked before anything large is allocated.
class TJPEGImage : public TRasterGraphic {
    Q_OBJECT

public:
    static constexpr int MaxSide = 16384;
    static constexpr long long MaxPixels = 64LL * 1000 * 1000;
    static constexpr int MaxScans = 1000;

    Q_INVOKABLE TJPEGImage() = default;

    std::unique_ptr<TGraphic> Clone() const override;
    void LoadFromData(const QByteArray& data) override;
};
