#include "board/TCellPainter.h"

namespace {

// Whether every pixel of area has the colour, so the fill took all of it.
bool AllOf(const TCanvas& canvas, const QRect& area, TColor color)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (!canvas.Row(y).Is(x, color))
                return false;
    return true;
}

} // namespace

void TCellPainter::Begin(const TCanvas& canvas, int rows, int cols)
{
    const std::size_t cells = static_cast<std::size_t>(rows) * cols;
    if (canvas.Version() != FLeftVersion || cols != FCols || cells != FBoxed.size())
        FBoxed.assign(cells, false);
    FCols = cols;
    // A pass cut short by an error leaves nothing known.
    FLeftVersion = 0;
}

void TCellPainter::Paint(TCanvas& canvas, int row, int col, TColor color)
{
    const int x = TCellGrid::SampleX(col);
    const int y = TCellGrid::SampleY(row);
    const QRect box(x, y, TCellGrid::CellPitch - 1, TCellGrid::CellPitch - 1);
    std::uint8_t& boxed = FBoxed[static_cast<std::size_t>(row) * FCols + col];
    if (!boxed) {
        boxed = TCellGrid::PaintAt(canvas, x, y, color) == box && AllOf(canvas, box, color);
        return;
    }
    canvas.Brush.Color = color;
    canvas.FillRect(box);
}
