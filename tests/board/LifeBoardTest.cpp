#include "board/TLifeBoard.h"
#include "forms/TBitmap.h"
#include "forms/TCanvas.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

namespace {

using Cell = std::pair<int, int>; // (row, column)
using Cells = std::set<Cell>;

constexpr TColor Black = 0x000000;
constexpr TColor Grey = TLifeBoard::GridColor;
constexpr TColor Blue = TLifeBoard::LivingColor;

class Board : public ::testing::Test {
protected:
    void Make(int width, int height)
    {
        FBitmap = std::make_unique<TBitmap>(width, height);
        FBoard.DrawGrid(Canvas(), width, height);
    }

    TCanvas& Canvas() { return FBitmap->Canvas(); }

    void Seed(const Cells& cells)
    {
        for (const auto& [r, c] : cells)
            TLifeBoard::PaintAt(Canvas(), TLifeBoard::SampleX(c), TLifeBoard::SampleY(r), Blue);
    }

    Cells Living()
    {
        Cells cells;
        for (int r = 0; r < FRows; ++r)
            for (int c = 0; c < FCols; ++c)
                if (TLifeBoard::IsAlive(Canvas(), r, c))
                    cells.insert({r, c});
        return cells;
    }

    int CountPixels(TColor color)
    {
        int count = 0;
        for (int y = 0; y < FBitmap->Height(); ++y)
            for (int x = 0; x < FBitmap->Width(); ++x)
                count += Canvas().PixelAt(x, y) == color;
        return count;
    }

    int FRows = 0;
    int FCols = 0;
    TLifeBoard FBoard{FRows, FCols};
    std::unique_ptr<TBitmap> FBitmap;
};

TEST_F(Board, TheFirstGridHasABlackOutlineThatBelongsToTheLastCells)
{
    Make(1010, 668);
    EXPECT_EQ(FRows, 133);
    EXPECT_EQ(FCols, 202);
    EXPECT_EQ(Canvas().PixelAt(1005, 3), Grey); // last vertical line
    EXPECT_EQ(Canvas().PixelAt(3, 660), Grey);  // last horizontal line
    EXPECT_EQ(Canvas().PixelAt(1007, 3), clWhite);
    for (int y = 0; y < 668; ++y)
        EXPECT_EQ(Canvas().PixelAt(1009, y), y % 5 == 0 && y < 665 ? Grey : Black) << y;
    for (int x = 0; x < 1010; ++x)
        EXPECT_EQ(Canvas().PixelAt(x, 667), x % 5 == 0 && x < 1010 ? Grey : Black) << x;

    // The corner cell spans x 1006..1009 and y 661..667, outline included.
    TLifeBoard::PaintAt(Canvas(), 1006, 661, Blue);
    EXPECT_EQ(CountPixels(Blue), 4 * 7);
    EXPECT_EQ(Canvas().PixelAt(1009, 667), Blue);
}

TEST_F(Board, ALaterGridAtASmallerSizeIsOutlinedInGreyAndLeavesTheRestAlone)
{
    Make(1010, 668);
    TLifeBoard::PaintAt(Canvas(), 1001, 601, Blue); // a cell beyond the smaller board
    FBoard.DrawGrid(Canvas(), 987, 616);
    EXPECT_EQ(FRows, 123);
    EXPECT_EQ(FCols, 197);
    for (int y = 0; y < 616; ++y)
        EXPECT_EQ(Canvas().PixelAt(986, y), Grey) << y;
    for (int x = 0; x < 987; ++x)
        EXPECT_EQ(Canvas().PixelAt(x, 615), Grey) << x;
    EXPECT_EQ(Canvas().PixelAt(985, 3), clWhite); // the last column spans 981..985
    EXPECT_EQ(Canvas().PixelAt(1001, 601), Blue);
    EXPECT_EQ(Canvas().PixelAt(1009, 3), Black);
}

TEST_F(Board, PaintingFillsExactlyOneCellAndNeverTheGrid)
{
    Make(35, 35);
    TLifeBoard::PaintAt(Canvas(), 13, 8, Blue);
    EXPECT_EQ(Living(), Cells({{1, 2}}));
    EXPECT_EQ(CountPixels(Blue), 16);
    TLifeBoard::PaintAt(Canvas(), 10, 8, Blue); // on a grid line
    TLifeBoard::PaintAt(Canvas(), 40, 8, Blue); // beyond the bitmap
    EXPECT_EQ(CountPixels(Blue), 16);
    TLifeBoard::PaintAt(Canvas(), 14, 9, clWhite);
    EXPECT_EQ(CountPixels(Blue), 0);
}

struct GenerationCase {
    const char* name;
    Cells before;
    Cells after;
    // The raster's width under the 35 × 35 grid: less cuts the last column off.
    int width = 35;
    // The grid line between cells (3, 3) and (3, 4) rubbed out, which makes
    // the two one region.
    bool openWall = false;
};

class OneGeneration : public Board, public ::testing::WithParamInterface<GenerationCase> {};

TEST_P(OneGeneration, UpdatesInPlaceInReadingOrder)
{
    const GenerationCase& test = GetParam();
    FBitmap = std::make_unique<TBitmap>(test.width, 35);
    FBoard.DrawGrid(Canvas(), 35, 35);
    if (test.openWall) {
        Canvas().Pen.Color = clWhite;
        Canvas().MovePenTo(20, 16);
        Canvas().LineTo(20, 20);
    }
    Seed(test.before);
    int changes = 0;
    Canvas().OnChange = [&](const QRect&) { ++changes; };
    FBoard.Generation(Canvas());
    EXPECT_EQ(Living(), test.after);
    EXPECT_EQ(changes, test.before == test.after ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    SevenBySeven, OneGeneration,
    ::testing::Values(
        // Not the vertical line a double-buffered rule would give.
        GenerationCase{
            "HorizontalLine", {{3, 2}, {3, 3}, {3, 4}}, {{2, 3}, {2, 4}, {3, 2}, {3, 4}}},
        GenerationCase{"VerticalLine", {{2, 3}, {3, 3}, {4, 3}}, {}},
        GenerationCase{"Block", {{2, 2}, {2, 3}, {3, 2}, {3, 3}}, {{2, 2}, {2, 3}, {3, 2}, {3, 3}}},
        GenerationCase{"TopRowLine", {{0, 2}, {0, 3}, {0, 4}}, {}},
        GenerationCase{"AcrossTheRightEdge",
                       {{3, 5}, {3, 6}, {3, 0}},
                       {{2, 6}, {3, 0}, {3, 5}, {3, 6}, {4, 6}}},
        // Column 6 lies beyond the raster: (2, 6), born on a whole board,
        // stays dead and does not crowd (3, 5) out; a block forms instead.
        GenerationCase{"NothingIsBornBeyondTheRaster",
                       {{2, 4}, {2, 5}, {3, 5}, {3, 0}},
                       {{2, 4}, {2, 5}, {3, 4}, {3, 5}},
                       30},
        // The fill that kills (3, 3) clears (3, 4) too, which then reads
        // itself dead.
        GenerationCase{"ADeathCrossesABrokenLine",
                       {{3, 2}, {3, 3}, {3, 4}},
                       {{2, 3}, {2, 4}, {3, 2}},
                       35,
                       true},
        // The fill that gives birth to (3, 3) paints (3, 4), which then
        // reads itself alive with two neighbours.
        GenerationCase{"ABirthCrossesABrokenLine",
                       {{3, 2}, {4, 2}, {4, 3}},
                       {{3, 2}, {3, 3}, {3, 4}, {4, 2}},
                       35,
                       true},
        // The fill that kills (3, 3) clears (3, 4) as well, which has three
        // living neighbours once it reads itself dead: born again, it fills both.
        GenerationCase{"ACellReadsAgainWhatAFillChanged",
                       {{2, 5}, {3, 3}, {3, 4}, {4, 2}, {4, 3}},
                       {{2, 4}, {2, 5}, {3, 2}, {3, 3}, {3, 4}, {3, 5}, {4, 2}, {4, 4}, {4, 5}},
                       35,
                       true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Board, HugeRandomCountsLeaveEveryCellAlive)
{
    Make(1010, 668);
    int draws = 0;
    FBoard.SeedRandom(Canvas(), 2147483647, [&] { return ++draws; });
    EXPECT_EQ(draws, 0);
    EXPECT_EQ(Living().size(), 133u * 202u);
    EXPECT_EQ(Canvas().PixelAt(1009, 667), Blue);
}

// Each seed draws its row, then its column; no count below the saturating
// one paints every cell at once, and none at or below 0 draws at all.
TEST_F(Board, RandomSeedsDrawTheRowBeforeTheColumn)
{
    const long long saturation = TLifeBoard::SaturatingSeedCount(49);
    EXPECT_GT(saturation, 49 * 45);
    const int most = static_cast<int>(saturation - 1);
    const struct {
        int Count;
        std::vector<int> Draws; // given in turn, over and over
        int Taken;
        Cells Living;
    } cases[] = {
        {2, {3, 12, 2147483647, 5}, 4, {{3, 5}, {2147483647 % 7, 5}}},
        {0, {1}, 0, {}},
        {-5, {1}, 0, {}},
        {-2147483647 - 1, {1}, 0, {}},
        {most, {0}, 2 * most, {{0, 0}}},
    };
    for (const auto& test : cases) {
        Make(35, 35);
        int taken = 0;
        FBoard.SeedRandom(Canvas(), test.Count,
                          [&] { return test.Draws[taken++ % test.Draws.size()]; });
        EXPECT_EQ(taken, test.Taken) << test.Count;
        EXPECT_EQ(Living(), test.Living) << test.Count;
    }
}

} // namespace
