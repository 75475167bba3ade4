#pragma once

#include <cstdint>
#include <vector>

// The board's in-place rule on a plain array of cells: rows outer, columns
// inner, edges wrapping, each cell reading its neighbours as they are at that
// moment. The yardstick the raster board is measured against by the tests,
// the benchmarks and board-generations.
class TCellArray {
public:
    explicit TCellArray(int rows = 0, int cols = 0);

    int Rows() const { return FRows; }
    int Cols() const { return FCols; }
    void SetAlive(int row, int col, bool alive = true) { FCells[Index(row, col)] = alive; }
    bool Alive(int row, int col) const { return FCells[Index(row, col)] != 0; }
    void Generation();

    bool operator==(const TCellArray& other) const { return FCells == other.FCells; }

private:
    int Index(int row, int col) const { return row * FCols + col; }

    int FRows;
    int FCols;
    std::vector<std::uint8_t> FCells;
};
