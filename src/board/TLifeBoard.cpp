#include "board/TLifeBoard.h"

#include "forms/TCanvas.h"

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

bool TLifeBoard::IsAlive(const TCanvas& canvas, int row, int col)
{
    return canvas.PixelAt(SampleX(col), SampleY(row)) == LivingColor;
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
    for (int r = 0; r < FRowCount; ++r)
        for (int c = 0; c < FColCount; ++c)
            UpdateCell(canvas, r, c);
}

void TLifeBoard::UpdateCell(TCanvas& canvas, int row, int col)
{
    const int rows = FRowCount;
    const int cols = FColCount;
    const bool alive = IsAlive(canvas, row, col);
    const int up = row == 0 ? rows - 1 : row - 1;
    const int down = row == rows - 1 ? 0 : row + 1;
    const int left = col == 0 ? cols - 1 : col - 1;
    const int right = col == cols - 1 ? 0 : col + 1;
    const int neighbours = IsAlive(canvas, up, left) + IsAlive(canvas, up, col) +
                           IsAlive(canvas, up, right) + IsAlive(canvas, row, left) +
                           IsAlive(canvas, row, right) + IsAlive(canvas, down, left) +
                           IsAlive(canvas, down, col) + IsAlive(canvas, down, right);
    if (alive && neighbours != 2 && neighbours != 3)
        PaintAt(canvas, SampleX(col), SampleY(row), DeadColor);
    else if (!alive && neighbours == 3)
        PaintAt(canvas, SampleX(col), SampleY(row), LivingColor);
}
