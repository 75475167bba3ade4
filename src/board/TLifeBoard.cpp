#include "board/TLifeBoard.h"

#include <algorithm>
#include <cmath>

void TLifeBoard::DrawGrid(TCanvas& canvas, int width, int height)
{
    canvas.Brush.Color = DeadColor;
    canvas.Rectangle(0, 0, width, height);
    FRowCount = height / CellPitch;
    FColCount = width / CellPitch;
    canvas.Pen.Color = GridColor;
    for (int i = 0; i < FRowCount; ++i) {
        canvas.MovePenTo(0, CellPitch * i);
        canvas.LineTo(width, CellPitch * i);
    }
    for (int j = 0; j < FColCount; ++j) {
        canvas.MovePenTo(CellPitch * j, 0);
        canvas.LineTo(CellPitch * j, height);
    }
}

void TLifeBoard::PaintAt(TCanvas& canvas, int x, int y, TColor color)
{
    canvas.Brush.Color = color;
    canvas.FillToBorder(x, y, GridColor, fsBorder);
}

long long TLifeBoard::SaturatingSeedCount(long long cells)
{
    // P(some cell missed) <= cells * (1 - 1/cells)^n <= cells * e^(-n/cells),
    // which is below e^-45 < 2^-64 for n >= cells * (ln(cells) + 45).
    const double bound = static_cast<double>(cells) * (std::log(static_cast<double>(cells)) + 45.0);
    return static_cast<long long>(std::ceil(bound));
}

void TLifeBoard::SeedRandom(TCanvas& canvas, int count, const std::function<int()>& random)
{
    // A random index below 0 is 0, so an empty dimension still has index 0.
    const int rows = std::max(FRowCount, 1);
    const int cols = std::max(FColCount, 1);
    if (count >= SaturatingSeedCount(static_cast<long long>(rows) * cols)) {
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                PaintAt(canvas, SampleX(c), SampleY(r), LivingColor);
        return;
    }
    for (int i = 0; i < count; ++i) {
        const int r = FRowCount > 0 ? random() % FRowCount : 0;
        const int c = FColCount > 0 ? random() % FColCount : 0;
        PaintAt(canvas, SampleX(c), SampleY(r), LivingColor);
    }
}

void TLifeBoard::Generation(TCanvas& canvas)
{
    // When every sample point lies inside the raster the reads need no bounds
    // checks; the counts cannot change during a pass.
    const bool inside = SampleX(FColCount - 1) < canvas.Width() &&
                        SampleY(FRowCount - 1) < canvas.Height();
    if (inside)
        Pass<true>(canvas);
    else
        Pass<false>(canvas);
}

template <bool Inside>
void TLifeBoard::Pass(TCanvas& canvas)
{
    auto alive = [](const TCanvas::TPixelRow& row, int x) {
        return Inside ? row.IsInside(x, LivingColor) : row.Is(x, LivingColor);
    };
    for (int r = 0; r < FRowCount; ++r) {
        const int up = r == 0 ? FRowCount - 1 : r - 1;
        const int down = r == FRowCount - 1 ? 0 : r + 1;
        // Views into the raster itself: they see every fill made during the pass.
        const TCanvas::TPixelRow above = canvas.Row(SampleY(up));
        const TCanvas::TPixelRow row = canvas.Row(SampleY(r));
        const TCanvas::TPixelRow below = canvas.Row(SampleY(down));
        for (int c = 0; c < FColCount; ++c) {
            const int x = SampleX(c);
            const int left = SampleX(c == 0 ? FColCount - 1 : c - 1);
            const int right = SampleX(c == FColCount - 1 ? 0 : c + 1);
            const bool living = alive(row, x);
            const int neighbours = alive(above, left) + alive(above, x) + alive(above, right) +
                                   alive(row, left) + alive(row, right) + alive(below, left) +
                                   alive(below, x) + alive(below, right);
            const bool lives = neighbours == 3 || (living && neighbours == 2);
            if (lives != living)
                PaintAt(canvas, x, SampleY(r), lives ? LivingColor : DeadColor);
        }
    }
}
