// The generations of a run: a cell array stepped by the same rule, and for
// each cell that changes the fill PaintAt makes or, once a fill has shown the
// cell to be a 4 × 4 box of its own, that box filled as a rectangle.
#include "board/TLifeBoard.h"

#include <algorithm>
#include <utility>

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

// The indices i < count whose sample coordinate CellPitch * i + 1 lies in
// [from, to], as the first and the last.
std::pair<int, int> SampledIn(int from, int to, int count)
{
    const int pitch = TLifeBoard::CellPitch;
    const int first = from <= 1 ? 0 : (from - 1 + pitch - 1) / pitch;
    const int last = to < 1 ? -1 : std::min((to - 1) / pitch, count - 1);
    return {first, last};
}

} // namespace

void TLifeBoard::Generation(TCanvas& canvas)
{
    const bool untouched = Untouched(canvas);
    // A pass cut short by an error leaves nothing known.
    FLeftVersion = 0;
    if (!untouched || FRowCount <= 0 || FColCount <= 0) {
        FCellsLoaded = false;
        PlainGeneration(canvas);
    } else {
        if (!FCellsLoaded)
            LoadCells(canvas);
        const TCanvas::TUpdateScope update(canvas);
        FCells.Generation([&](int r, int c, bool lives) { return PaintCell(canvas, r, c, lives); });
    }
    FLeftVersion = canvas.Version();
    FLeftRows = FRowCount;
    FLeftCols = FColCount;
}

bool TLifeBoard::Untouched(const TCanvas& canvas) const
{
    return canvas.Version() == FLeftVersion && FRowCount == FLeftRows && FColCount == FLeftCols;
}

void TLifeBoard::LoadCells(const TCanvas& canvas)
{
    FCells = TCellArray(FRowCount, FColCount);
    FBoxed.assign(static_cast<std::size_t>(FRowCount) * FColCount, false);
    ReloadCells(canvas, QRect(0, 0, canvas.Width(), canvas.Height()));
    FCellsLoaded = true;
}

bool TLifeBoard::PaintCell(TCanvas& canvas, int row, int col, bool lives)
{
    const TColor color = lives ? LivingColor : DeadColor;
    canvas.Brush.Color = color;
    const QRect box(SampleX(col), SampleY(row), CellPitch - 1, CellPitch - 1);
    std::uint8_t& boxed = FBoxed[static_cast<std::size_t>(row) * FColCount + col];
    if (boxed) {
        canvas.FillRect(box);
        return true;
    }
    const QRect area = canvas.FillToBorder(SampleX(col), SampleY(row), GridColor, fsBorder);
    if (area == box && AllOf(canvas, area, color)) {
        boxed = true;
        return true;
    }
    // A fill of another shape, or none. Unless it changed this cell as the
    // array did and no other, the array reads again the cells it reached and
    // the rest of the row, which it has decided ahead of the raster.
    const bool changedAsDecided = IsAlive(canvas, row, col) == lives;
    if (changedAsDecided && CellsIn(area | box) == QRect(col, row, 1, 1))
        return true;
    ReloadCells(canvas, area | QRect(QPoint(SampleX(col), SampleY(row)),
                                     QPoint(SampleX(FColCount - 1), SampleY(row))));
    return false;
}

QRect TLifeBoard::CellsIn(const QRect& area) const
{
    const auto [top, bottom] = SampledIn(area.top(), area.bottom(), FRowCount);
    const auto [left, right] = SampledIn(area.left(), area.right(), FColCount);
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

void TLifeBoard::ReloadCells(const TCanvas& canvas, const QRect& area)
{
    const QRect cells = CellsIn(area);
    for (int r = cells.top(); r <= cells.bottom(); ++r)
        for (int c = cells.left(); c <= cells.right(); ++c)
            FCells.SetAlive(r, c, IsAlive(canvas, r, c));
}
