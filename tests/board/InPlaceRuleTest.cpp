// The board's generation against the in-place rule on a plain grid of
// booleans: rows top to bottom, columns left to right, each cell updated at
// once, so later cells see it; edges wrap.
#include "board/TLifeBoard.h"
#include "forms/TBitmap.h"
#include "forms/TCanvas.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

using Grid = std::vector<std::vector<bool>>;

void InPlaceGeneration(Grid& grid)
{
    const int rows = static_cast<int>(grid.size());
    const int cols = static_cast<int>(grid[0].size());
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            const int up = (r + rows - 1) % rows;
            const int down = (r + 1) % rows;
            const int left = (c + cols - 1) % cols;
            const int right = (c + 1) % cols;
            const int n = grid[up][left] + grid[up][c] + grid[up][right] + grid[r][left] +
                          grid[r][right] + grid[down][left] + grid[down][c] + grid[down][right];
            grid[r][c] = n == 3 || (grid[r][c] && n == 2);
        }
}

TEST(InPlaceRule, TheBoardFollowsAPlainGridOnRandomBoardsOfOddSizes)
{
    std::mt19937 random(2718);
    auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    int living = 0;
    for (int board = 0; board < 1500; ++board) {
        // Odd sizes most of the time, from a single row or column up; the
        // raster is the grid's own size or up to four pixels more.
        const int rows = below(4) == 0 ? 1 + below(4) : 2 * below(20) + 1;
        const int cols = below(4) == 0 ? 1 + below(4) : 2 * below(40) + 1;
        const int width = 5 * cols + below(5);
        const int height = 5 * rows + below(5);
        TBitmap bitmap(width, height);
        int boardRows = 0;
        int boardCols = 0;
        TLifeBoard subject(boardRows, boardCols);
        subject.DrawGrid(bitmap.Canvas(), width, height);
        if (below(2) == 0)
            subject.DrawGrid(bitmap.Canvas(), width, height);
        ASSERT_EQ(boardRows, rows);
        ASSERT_EQ(boardCols, cols);

        Grid grid(rows, std::vector<bool>(cols));
        const int percent = 10 + below(50);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                if (below(100) < percent) {
                    grid[r][c] = true;
                    TLifeBoard::PaintAt(bitmap.Canvas(), TLifeBoard::SampleX(c),
                                        TLifeBoard::SampleY(r), TLifeBoard::LivingColor);
                }
        for (int generation = 1; generation <= 5; ++generation) {
            InPlaceGeneration(grid);
            subject.Generation(bitmap.Canvas());
            for (int r = 0; r < rows; ++r)
                for (int c = 0; c < cols; ++c) {
                    ASSERT_EQ(TLifeBoard::IsAlive(bitmap.Canvas(), r, c), grid[r][c])
                        << "board " << board << " (" << rows << "x" << cols << "), generation "
                        << generation << ", cell " << r << "," << c;
                    living += grid[r][c];
                }
        }
    }
    EXPECT_GT(living, 100000);
}

} // namespace
