#include "TCellArray.h"

TCellArray::TCellArray(int rows, int cols)
    : FRows(rows), FCols(cols), FCells(static_cast<std::size_t>(rows) * cols, 0)
{
}

void TCellArray::Generation()
{
    for (int r = 0; r < FRows; ++r) {
        for (int c = 0; c < FCols; ++c) {
            const int up = r == 0 ? FRows - 1 : r - 1;
            const int down = r == FRows - 1 ? 0 : r + 1;
            const int left = c == 0 ? FCols - 1 : c - 1;
            const int right = c == FCols - 1 ? 0 : c + 1;
            const int neighbours = Alive(up, left) + Alive(up, c) + Alive(up, right) +
                                   Alive(r, left) + Alive(r, right) + Alive(down, left) +
                                   Alive(down, c) + Alive(down, right);
            const bool living = Alive(r, c);
            FCells[Index(r, c)] = neighbours == 3 || (living && neighbours == 2);
        }
    }
}
