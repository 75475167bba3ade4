#include "board/TCellArray.h"

TCellArray::TCellArray(int rows, int cols)
    : FRows(rows), FCols(cols), FCells(static_cast<std::size_t>(rows) * cols, 0)
{
}

void TCellArray::Generation(const TChanged& changed)
{
    std::vector<int> changes(static_cast<std::size_t>(FCols));
    for (int r = 0; r < FRows; ++r) {
        const std::uint8_t* up = Row(r == 0 ? FRows - 1 : r - 1);
        std::uint8_t* own = Row(r);
        const std::uint8_t* down = Row(r == FRows - 1 ? 0 : r + 1);
        int c = 0;
        while (c < FCols) {
            // The row's cells from c decided first, with no branch on what
            // they hold, then told in order.
            int count = 0;
            // The left neighbour as written last, held so that a cell need
            // not wait for the one before it to reach memory.
            bool leftLives = own[c == 0 ? FCols - 1 : c - 1];
            for (int i = c; i < FCols; ++i) {
                const int left = i == 0 ? FCols - 1 : i - 1;
                const int right = i == FCols - 1 ? 0 : i + 1;
                const int neighbours = up[left] + up[i] + up[right] + leftLives + own[right] +
                                       down[left] + down[i] + down[right];
                const bool living = own[i];
                // Bitwise, so that nothing branches on the cells.
                const bool lives = (neighbours == 3) | (living & (neighbours == 2));
                own[i] = lives;
                leftLives = lives;
                changes[count] = i;
                count += lives != living;
            }
            c = FCols;
            for (int k = 0; k < count; ++k) {
                const int col = changes[k];
                if (changed && !changed(r, col, own[col])) {
                    c = col + 1;
                    break;
                }
            }
        }
    }
}
