#include "board/TLifeBoard.h"

#include <algorithm>
#include <cmath>

namespace {

// One column of a cell's nine reads: the sample points of the rows above and
// below and of its own row, how many of them are alive and whether the middle
// one is.
struct TColumn {
    int Living;
    bool Middle;
};

} // namespace

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
    if (rows <= 0 || cols <= 0)
        return;
    FPainter.Begin(canvas, rows, cols);
    // The fills gather into one change for the whole pass.
    const TCanvas::TUpdateScope update(canvas);
    for (int r = 0; r < rows; ++r) {
        // Views into the raster, not copies: a fill shows in them at once.
        const TCanvas::TPixelRow above = canvas.Row(SampleY(r == 0 ? rows - 1 : r - 1));
        const TCanvas::TPixelRow own = canvas.Row(SampleY(r));
        const TCanvas::TPixelRow below = canvas.Row(SampleY(r == rows - 1 ? 0 : r + 1));
        const auto column = [&](int c) {
            const bool middle = IsAlive(own, c);
            return TColumn{IsAlive(above, c) + middle + IsAlive(below, c), middle};
        };
        // A cell's nine reads are three columns. Until a fill may have changed
        // the raster, the columns read for one cell are the next one's too.
        TColumn left = column(cols - 1);
        TColumn centre = column(0);
        for (int c = 0; c < cols; ++c) {
            const int next = c == cols - 1 ? 0 : c + 1;
            const TColumn right = column(next);
            const bool living = centre.Middle;
            const int neighbours = left.Living + centre.Living - living + right.Living;
            const bool lives = neighbours == 3 || (living && neighbours == 2);
            if (lives == living) {
                left = centre;
                centre = right;
                continue;
            }
            FPainter.Paint(canvas, r, c, lives ? LivingColor : DeadColor);
            left = column(c);
            centre = column(next);
        }
    }
    // Before the update scope raises OnChange: what its handlers draw still
    // makes the painter forget its boxes.
    FPainter.End(canvas);
}
