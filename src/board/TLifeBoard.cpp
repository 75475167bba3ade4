#include "board/TLifeBoard.h"

#include <algorithm>
#include <cmath>

int TLifeBoard::LivingCount(const TCanvas& canvas) const
{
    int count = 0;
    for (int r = 0; r < FRowCount; ++r)
        for (int c = 0; c < FColCount; ++c)
            count += IsAlive(canvas, r, c);
    return count;
}

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
    const int rows = FRowCount;
    const int cols = FColCount;
    FPainter.Begin(canvas, rows, cols);
    // The fills gather into one change for the whole pass.
    const TCanvas::TUpdateScope update(canvas);
    for (int r = 0; r < rows; ++r) {
        // Views into the raster, not copies: a fill shows in them at once.
        const TCanvas::TPixelRow above = canvas.Row(SampleY(r == 0 ? rows - 1 : r - 1));
        const TCanvas::TPixelRow own = canvas.Row(SampleY(r));
        const TCanvas::TPixelRow below = canvas.Row(SampleY(r == rows - 1 ? 0 : r + 1));
        for (int c = 0; c < cols; ++c) {
            const int left = c == 0 ? cols - 1 : c - 1;
            const int right = c == cols - 1 ? 0 : c + 1;
            const bool living = IsAlive(own, c);
            const int neighbours = IsAlive(above, left) + IsAlive(above, c) +
                                   IsAlive(above, right) + IsAlive(own, left) +
                                   IsAlive(own, right) + IsAlive(below, left) + IsAlive(below, c) +
                                   IsAlive(below, right);
            const bool lives = neighbours == 3 || (living && neighbours == 2);
            if (lives != living)
                FPainter.Paint(canvas, r, c, lives ? LivingColor : DeadColor);
        }
    }
    // Drawing in the OnChange that ends the pass still counts as drawing.
    FPainter.End(canvas);
}
