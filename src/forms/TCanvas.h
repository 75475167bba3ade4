#pragma once

#include "forms/TColor.h"

#include <QPoint>

#include <cstdint>
#include <functional>
#include <vector>

class QImage;

enum TFillStyle { fsSurface = 0, fsBorder = 1 };

struct TPen {
    TColor Color = clBlack;
};

struct TBrush {
    TColor Color = clWhite;
};

// Pixel-exact drawing on a 32-bit raster, with colours as 0x00BBGGRR. Lines
// are one pixel wide, figures are clipped at the raster's edges, and a read
// outside the raster gives CLR_INVALID. Drawing operations end by raising
// OnChange, fills even when they changed nothing.
class TCanvas {
public:
    // The raster must be in Format_RGB32 and outlive the canvas.
    explicit TCanvas(QImage& raster);

    TPen Pen;
    TBrush Brush;
    QPoint PenPos;

    // Outline columns x1 and x2 - 1 and rows y1 and y2 - 1 in the pen colour,
    // the inside in the brush colour.
    void Rectangle(int x1, int y1, int x2, int y2);
    void MovePenTo(int x, int y);
    // From PenPos up to, not including, (x, y); PenPos moves there.
    void LineTo(int x, int y);
    // fsBorder: fills the 4-connected region around (x, y) that does not have
    // the given colour; fsSurface: the region that has it. Nothing changes when
    // (x, y) is outside the raster or not in such a region.
    void FillToBorder(int x, int y, TColor color, TFillStyle style);

    TColor PixelAt(int x, int y) const
    {
        if (static_cast<unsigned>(x) >= static_cast<unsigned>(FWidth) ||
            static_cast<unsigned>(y) >= static_cast<unsigned>(FHeight))
            return CLR_INVALID;
        return FromPixel(FPixels[static_cast<std::size_t>(y) * FStride + x]);
    }

    std::function<void()> OnChange;

private:
    static TColor FromPixel(std::uint32_t pixel)
    {
        return ((pixel & 0xFF) << 16) | (pixel & 0xFF00) | ((pixel >> 16) & 0xFF);
    }
    static std::uint32_t ToPixel(TColor color)
    {
        const TColor rgb = ColorToRGB(color);
        return 0xFF000000u | ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
    }

    void SetPixel(int x, int y, std::uint32_t pixel);
    void FillSpan(int left, int right, int y, std::uint32_t pixel);
    template <class InRegion>
    void FloodFill(int x, int y, InRegion inRegion);
    void Changed();

    std::uint32_t* FPixels;
    int FWidth;
    int FHeight;
    int FStride;

    // Fill bookkeeping: a pixel is taken in the current fill when its mark
    // equals FFillStamp, so no pass is needed to clear the marks.
    std::vector<std::uint32_t> FFillMarks;
    std::uint32_t FFillStamp = 0;
    std::vector<QPoint> FFillSeeds;
};
