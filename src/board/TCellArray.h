#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// The board's in-place rule on a plain array of cells: rows outer, columns
// inner, edges wrapping, each cell reading its neighbours as they are at that
// moment. A run steps it beside the raster (TLifeBoardRun.cpp), and the tests
// hold the raster's own pass against it.
class TCellArray {
public:
    explicit TCellArray(int rows = 0, int cols = 0);

    int Rows() const { return FRows; }
    int Cols() const { return FCols; }
    void SetAlive(int row, int col, bool alive = true) { FCells[Index(row, col)] = alive; }
    bool Alive(int row, int col) const { return FCells[Index(row, col)] != 0; }
    // Told of each cell that changes, in order. It returns false when it has
    // set other cells as well; it must then have set the cells after it in
    // its row to their states before the pass, which are decided anew.
    using TChanged = std::function<bool(int row, int col, bool lives)>;
    void Generation(const TChanged& changed = nullptr);

    bool operator==(const TCellArray& other) const { return FCells == other.FCells; }

private:
    int Index(int row, int col) const { return row * FCols + col; }
    std::uint8_t* Row(int row) { return FCells.data() + Index(row, 0); }

    int FRows;
    int FCols;
    std::vector<std::uint8_t> FCells;
};
