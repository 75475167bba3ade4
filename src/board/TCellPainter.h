#pragma once

#include "board/TCellGrid.h"

#include <cstdint>
#include <vector>

// Paints a board's cells exactly as TCellGrid::PaintAt does, faster where it
// can: once a fill has shown a cell to be a 4 × 4 box of its own, the cell is
// filled as a rectangle, with no reading, for as long as nothing but this
// painter draws on the canvas. Only grid-coloured pixels bound a fill and no
// fill paints the grid colour, so a box seen once stays one.
class TCellPainter {
public:
    // Starts a pass over rows × cols cells, both positive: the boxes seen so
    // far are forgotten when anything else has drawn on the canvas, or the
    // counts changed, since the last End.
    void Begin(const TCanvas& canvas, int rows, int cols);
    void Paint(TCanvas& canvas, int row, int col, TColor color);
    void End(const TCanvas& canvas) { FLeftVersion = canvas.Version(); }

private:
    std::uint64_t FLeftVersion = 0;
    int FCols = 0;
    std::vector<std::uint8_t> FBoxed;
};
