#pragma once

#include "forms/TCanvas.h"
#include "forms/TColor.h"

// The grid a board's cells lie in: cells of 5 × 5 pixels whose first row and
// column are grey grid lines, so a cell's top-left interior pixel, its sample
// point, is one pixel in; a cell is painted by a fill that the grid colour
// bounds.
struct TCellGrid {
    static constexpr int CellPitch = 5;
    static constexpr TColor GridColor = 0xBCBCBC;

    static int SampleX(int col) { return CellPitch * col + 1; }
    static int SampleY(int row) { return CellPitch * row + 1; }

    // Fills the grid-bounded region around (x, y) with the colour; returns
    // the region's bounding rectangle, empty when nothing was filled.
    static QRect PaintAt(TCanvas& canvas, int x, int y, TColor color)
    {
        canvas.Brush.Color = color;
        return canvas.FillToBorder(x, y, GridColor, fsBorder);
    }
};
