#pragma once

#include <cstdint>
#include <vector>

// The board's in-place rule on a plain cell array: the yardstick the raster
// board is measured against. Same order, same wrap, same reads.
class TReferenceBoard {
public:
    TReferenceBoard(int rows, int cols);

    void SetAlive(int row, int col) { FCells[Index(row, col)] = 1; }
    bool Alive(int row, int col) const { return FCells[Index(row, col)] != 0; }
    void Generation();

    bool operator==(const TReferenceBoard& other) const { return FCells == other.FCells; }

private:
    int Index(int row, int col) const { return row * FCols + col; }

    int FRows;
    int FCols;
    std::vector<std::uint8_t> FCells;
};
