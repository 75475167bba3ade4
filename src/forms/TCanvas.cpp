#include "forms/TCanvas.h"

#include <QImage>

#include <algorithm>
#include <cstdlib>

namespace {

std::uint64_t NewVersion()
{
    static std::uint64_t last = 0;
    return ++last;
}

} // namespace

TCanvas::TCanvas(QImage& raster)
    : FPixels(reinterpret_cast<std::uint32_t*>(raster.bits())), FWidth(raster.width()),
      FHeight(raster.height()), FStride(static_cast<int>(raster.bytesPerLine() / 4)),
      FVersion(NewVersion())
{
}

void TCanvas::SetPixel(int x, int y, std::uint32_t pixel)
{
    if (Contains(x, y))
        Line(y)[x] = pixel;
}

void TCanvas::Fill(const QRect& area, std::uint32_t pixel)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        std::fill(Line(y) + area.left(), Line(y) + area.right() + 1, pixel);
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    if (x2 < x1)
        std::swap(x1, x2);
    if (y2 < y1)
        std::swap(y1, y2);
    const QRect outer(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
    if (!outer.isEmpty()) {
        Fill(Clipped(outer), ToPixel(Pen.Color));
        Fill(Clipped(outer.adjusted(1, 1, -1, -1)), ToPixel(Brush.Color));
    }
    Changed(outer);
}

void TCanvas::MovePenTo(int x, int y)
{
    PenPos = QPoint(x, y);
}

void TCanvas::LineTo(int x, int y)
{
    const std::uint32_t pen = ToPixel(Pen.Color);
    const QRect area = QRect(PenPos, QPoint(x, y)).normalized();
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
    Changed(area);
}

QRect TCanvas::FillToBorder(int x, int y, TColor color, TFillStyle style)
{
    // Untaken pixels are opaque; the general fill clears the alpha of those it
    // takes. A box fill comes first, while every pixel is opaque.
    const std::uint32_t pixel = ToPixel(color);
    QRect area;
    if (style == fsBorder)
        area = FloodFill(
            x, y, [pixel](std::uint32_t p) { return p != pixel; },
            [pixel](std::uint32_t p) { return p >= 0xFF000000u && p != pixel; });
    else
        area = FloodFill(
            x, y, [pixel](std::uint32_t p) { return p == pixel; },
            [pixel](std::uint32_t p) { return p == pixel; });
    Changed(area);
    return area;
}

void TCanvas::FillRect(const QRect& rect)
{
    const QRect area = Clipped(rect);
    Fill(area, ToPixel(Brush.Color));
    Changed(area);
}

void TCanvas::EndUpdate()
{
    if (--FUpdateDepth > 0 || !FUpdateRan)
        return;
    const QRect area = Clipped(FUpdateArea);
    FUpdateRan = false;
    FUpdateArea = QRect();
    if (OnChange)
        OnChange(area);
}

template <class BoxFillable, class Fillable>
QRect TCanvas::FloodFill(int x, int y, BoxFillable boxFillable, Fillable fillable)
{
    if (!Contains(x, y) || !fillable(Line(y)[x]))
        return QRect();
    // Pixels a box fill has painted stay fillable only when the brush colour
    // is fillable itself; only then may the general fill take over from it.
    const std::uint32_t brush = ToPixel(Brush.Color);
    QRect box;
    if (fillable(brush) && FillBox(x, y, brush, boxFillable, box))
        return box;

    const std::uint32_t taken = brush & 0x00FFFFFFu;
    FFillSeeds.clear();
    FFillSpans.clear();
    FFillSeeds.push_back(QPoint(x, y));
    while (!FFillSeeds.empty()) {
        const QPoint seed = FFillSeeds.back();
        FFillSeeds.pop_back();
        std::uint32_t* row = Line(seed.y());
        if (!fillable(row[seed.x()]))
            continue;
        int left = seed.x();
        while (left > 0 && fillable(row[left - 1]))
            --left;
        int right = seed.x();
        while (right < FWidth - 1 && fillable(row[right + 1]))
            ++right;
        for (int px = left; px <= right; ++px)
            row[px] = taken;
        FFillSpans.push_back({left, right, seed.y()});
        // A seed for each run of fillable pixels above and below the span.
        for (const int py : {seed.y() - 1, seed.y() + 1}) {
            if (py < 0 || py >= FHeight)
                continue;
            const std::uint32_t* next = Line(py);
            for (int px = left; px <= right; ++px)
                if (fillable(next[px]) && (px == left || !fillable(next[px - 1])))
                    FFillSeeds.push_back(QPoint(px, py));
        }
    }
    int left = x;
    int right = x;
    int top = y;
    int bottom = y;
    for (const TSpan& span : FFillSpans) {
        std::uint32_t* spanRow = Line(span.Y);
        for (int px = span.Left; px <= span.Right; ++px)
            spanRow[px] |= 0xFF000000u;
        left = std::min(left, span.Left);
        right = std::max(right, span.Right);
        top = std::min(top, span.Y);
        bottom = std::max(bottom, span.Y);
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

template <class Fillable>
bool TCanvas::FillBox(int x, int y, std::uint32_t brush, Fillable fillable, QRect& box)
{
    const std::uint32_t* seedRow = Line(y);
    int left = x;
    while (left > 0 && fillable(seedRow[left - 1]))
        --left;
    int right = x;
    while (right < FWidth - 1 && fillable(seedRow[right + 1]))
        ++right;
    enum TRowKind { Closed, Span, Irregular };
    // A row continues the box when it is fillable exactly over [left, right].
    auto kind = [&](int py) {
        const std::uint32_t* row = Line(py);
        const bool open = fillable(row[left]);
        for (int px = left + 1; px <= right; ++px)
            if (fillable(row[px]) != open)
                return Irregular;
        if (!open)
            return Closed;
        if ((left > 0 && fillable(row[left - 1])) ||
            (right < FWidth - 1 && fillable(row[right + 1])))
            return Irregular;
        return Span;
    };
    auto paint = [&](int py) { std::fill(Line(py) + left, Line(py) + right + 1, brush); };

    paint(y);
    int ends[2] = {y, y};
    for (int side : {0, 1}) {
        const int step = side == 0 ? -1 : 1;
        for (int py = y + step; py >= 0 && py < FHeight; py += step) {
            const TRowKind rowKind = kind(py);
            if (rowKind == Closed)
                break;
            if (rowKind == Irregular)
                return false;
            paint(py);
            ends[side] = py;
        }
    }
    box = QRect(QPoint(left, ends[0]), QPoint(right, ends[1]));
    return true;
}

QRect TCanvas::Clipped(const QRect& area) const
{
    return area.isEmpty() ? QRect() : area.intersected(QRect(0, 0, FWidth, FHeight));
}

void TCanvas::Changed(const QRect& area)
{
    FVersion = NewVersion();
    if (FUpdateDepth > 0) {
        FUpdateRan = true;
        if (!area.isEmpty())
            FUpdateArea |= area;
        return;
    }
    if (OnChange)
        OnChange(Clipped(area));
}
