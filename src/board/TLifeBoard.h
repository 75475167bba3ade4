#pragma once

#include "board/TCellGrid.h"
#include "board/TCellPainter.h"

#include <functional>

// The Life board kept in a raster: cells on the grid of TCellGrid, alive when
// the cell's sample point is blue. There is no cell array; painting a cell is
// a fill bounded by the grid colour.
//
// The row and column counts belong to the caller and are read at every use, so
// a board redrawn between two generations takes effect at once.
class TLifeBoard : public TCellGrid {
public:
    static constexpr TColor LivingColor = 0xFF0000;
    static constexpr TColor DeadColor = 0xFFFFFF;

    TLifeBoard(int& rowCount, int& colCount) : FRowCount(rowCount), FColCount(colCount) {}

    // Blanks a width × height board, sets the counts and draws the grid lines.
    // The outline keeps the pen the canvas had: black on a new canvas, grey
    // after any earlier grid.
    void DrawGrid(TCanvas& canvas, int width, int height);

    static bool IsAlive(const TCanvas& canvas, int row, int col)
    {
        return IsAlive(canvas.Row(SampleY(row)), col);
    }
    // The same on the raster row of a row's sample points.
    static bool IsAlive(const TCanvas::TPixelRow& samples, int col)
    {
        return samples.Is(SampleX(col), LivingColor);
    }
    // Reads every cell: for after a change, not for each generation of a run.
    int LivingCount(const TCanvas& canvas) const;

    // Seeds count random cells, drawing the row index before the column index
    // each time; random() gives integers in [0, 2^31). Counts so large that the
    // draws would miss a cell only with negligible probability paint every cell
    // instead, so any count returns quickly.
    void SeedRandom(TCanvas& canvas, int count, const std::function<int()>& random);

    // One generation in place, the rule read straight off the raster: the
    // cells in reading order (rows outer, columns inner), each deciding from
    // nine reads with IsAlive (itself and its eight neighbours, wrapping at
    // the edges) of the raster as it is at that moment, so that every cell
    // sees the new state of the cells before it in the pass. A cell that
    // changes is painted as PaintAt paints it; where a grid line is broken the
    // fill reaches further, and the cells after it read what it painted. Cells
    // whose sample point lies outside the raster read as dead, and painting
    // them changes nothing. When some cell changed, raises the canvas's
    // OnChange once at its end for the rectangle of all its fills (empty when
    // no fill found a pixel to paint); otherwise raises none.
    void Generation(TCanvas& canvas);

    // Draws at or above this many seeds on a board of `cells` cells miss one
    // with probability below 2^-64.
    static long long SaturatingSeedCount(long long cells);

private:
    int& FRowCount;
    int& FColCount;
    // A run's fills, mostly of cells already seen to be boxes.
    TCellPainter FPainter;
};
