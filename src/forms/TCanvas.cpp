#include "forms/TCanvas.h"

#include <QImage>

#include <cstdlib>

TCanvas::TCanvas(QImage& raster)
    : FPixels(reinterpret_cast<std::uint32_t*>(raster.bits())),
      FWidth(raster.width()),
      FHeight(raster.height()),
      FStride(static_cast<int>(raster.bytesPerLine() / 4))
{
}

void TCanvas::SetPixel(int x, int y, std::uint32_t pixel)
{
    if (static_cast<unsigned>(x) < static_cast<unsigned>(FWidth) &&
        static_cast<unsigned>(y) < static_cast<unsigned>(FHeight))
        FPixels[static_cast<std::size_t>(y) * FStride + x] = pixel;
}

void TCanvas::FillSpan(int left, int right, int y, std::uint32_t pixel)
{
    if (y < 0 || y >= FHeight)
        return;
    left = std::max(left, 0);
    right = std::min(right, FWidth - 1);
    std::uint32_t* row = FPixels + static_cast<std::size_t>(y) * FStride;
    for (int x = left; x <= right; ++x)
        row[x] = pixel;
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    if (x2 < x1)
        std::swap(x1, x2);
    if (y2 < y1)
        std::swap(y1, y2);
    if (x2 > x1 && y2 > y1) {
        const std::uint32_t pen = ToPixel(Pen.Color);
        const std::uint32_t brush = ToPixel(Brush.Color);
        for (int y = y1 + 1; y < y2 - 1; ++y)
            FillSpan(x1 + 1, x2 - 2, y, brush);
        FillSpan(x1, x2 - 1, y1, pen);
        FillSpan(x1, x2 - 1, y2 - 1, pen);
        for (int y = y1; y < y2; ++y) {
            SetPixel(x1, y, pen);
            SetPixel(x2 - 1, y, pen);
        }
    }
    Changed();
}

void TCanvas::MovePenTo(int x, int y)
{
    PenPos = QPoint(x, y);
}

void TCanvas::LineTo(int x, int y)
{
    const std::uint32_t pen = ToPixel(Pen.Color);
    int cx = PenPos.x();
    int cy = PenPos.y();
    const int dx = std::abs(x - cx);
    const int dy = -std::abs(y - cy);
    const int stepX = cx < x ? 1 : -1;
    const int stepY = cy < y ? 1 : -1;
    int error = dx + dy;
    while (cx != x || cy != y) {
        SetPixel(cx, cy, pen);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            cx += stepX;
        }
        if (twice <= dx) {
            error += dx;
            cy += stepY;
        }
    }
    PenPos = QPoint(x, y);
    Changed();
}

void TCanvas::FillToBorder(int x, int y, TColor color, TFillStyle style)
{
    const TColor target = ColorToRGB(color);
    if (style == fsBorder)
        FloodFill(x, y, [&](std::uint32_t pixel) { return FromPixel(pixel) != target; });
    else
        FloodFill(x, y, [&](std::uint32_t pixel) { return FromPixel(pixel) == target; });
    Changed();
}

template <class InRegion>
void TCanvas::FloodFill(int x, int y, InRegion inRegion)
{
    if (PixelAt(x, y) == CLR_INVALID)
        return;
    if (FFillMarks.empty())
        FFillMarks.assign(static_cast<std::size_t>(FWidth) * FHeight, 0);
    if (++FFillStamp == 0) {
        std::fill(FFillMarks.begin(), FFillMarks.end(), 0);
        FFillStamp = 1;
    }
    const std::uint32_t brush = ToPixel(Brush.Color);
    auto fillable = [&](int px, int py) {
        const std::size_t mark = static_cast<std::size_t>(py) * FWidth + px;
        return FFillMarks[mark] != FFillStamp &&
               inRegion(FPixels[static_cast<std::size_t>(py) * FStride + px]);
    };

    FFillSeeds.clear();
    FFillSeeds.emplace_back(x, y);
    while (!FFillSeeds.empty()) {
        const QPoint seed = FFillSeeds.back();
        FFillSeeds.pop_back();
        const int sy = seed.y();
        if (!fillable(seed.x(), sy))
            continue;
        int left = seed.x();
        while (left > 0 && fillable(left - 1, sy))
            --left;
        int right = seed.x();
        while (right < FWidth - 1 && fillable(right + 1, sy))
            ++right;
        std::uint32_t* row = FPixels + static_cast<std::size_t>(sy) * FStride;
        std::uint32_t* marks = FFillMarks.data() + static_cast<std::size_t>(sy) * FWidth;
        for (int px = left; px <= right; ++px) {
            row[px] = brush;
            marks[px] = FFillStamp;
        }
        for (int ny : {sy - 1, sy + 1}) {
            if (ny < 0 || ny >= FHeight)
                continue;
            bool inRun = false;
            for (int px = left; px <= right; ++px) {
                const bool open = fillable(px, ny);
                if (open && !inRun)
                    FFillSeeds.emplace_back(px, ny);
                inRun = open;
            }
        }
    }
}

void TCanvas::Changed()
{
    if (OnChange)
        OnChange();
}
