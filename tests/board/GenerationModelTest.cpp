// TLifeBoard::Generation against the plain pass it stands for: nine canvas
// reads per cell in reading order and a PaintAt fill at every change, run side
// by side on the same rasters and compared pixel for pixel.
#include "board/TLifeBoard.h"
#include "forms/TBitmap.h"
#include "forms/TCanvas.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace {

constexpr TColor Blue = TLifeBoard::LivingColor;
constexpr TColor White = TLifeBoard::DeadColor;
constexpr TColor Grey = TLifeBoard::GridColor;
constexpr TColor Black = 0x000000;

// The plain pass: every read goes to the raster as it is at that moment.
void PlainGeneration(TCanvas& canvas, int rows, int cols)
{
    auto alive = [&](int r, int c) {
        return canvas.PixelAt(TLifeBoard::SampleX(c), TLifeBoard::SampleY(r)) == Blue;
    };
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const int up = r == 0 ? rows - 1 : r - 1;
            const int down = r == rows - 1 ? 0 : r + 1;
            const int left = c == 0 ? cols - 1 : c - 1;
            const int right = c == cols - 1 ? 0 : c + 1;
            const bool own = alive(r, c);
            int n = 0;
            n += alive(up, left);
            n += alive(up, c);
            n += alive(up, right);
            n += alive(r, left);
            n += alive(r, right);
            n += alive(down, left);
            n += alive(down, c);
            n += alive(down, right);
            const bool next = n == 3 || (own && n == 2);
            if (next != own)
                TLifeBoard::PaintAt(canvas, TLifeBoard::SampleX(c), TLifeBoard::SampleY(r),
                                    next ? Blue : White);
        }
    }
}

// The first pixel where the two rasters differ, or "" when none does.
std::string FirstDifference(const TBitmap& a, const TBitmap& b)
{
    if (a.Image() == b.Image())
        return "";
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Image().pixel(x, y) != b.Image().pixel(x, y)) {
                std::ostringstream out;
                out << "pixel (" << x << ", " << y << "): " << std::hex << a.Image().pixel(x, y)
                    << " instead of " << b.Image().pixel(x, y);
                return out.str();
            }
    return "sizes";
}

// Two equal rasters, one evolved by the board and one by the plain pass;
// every drawing goes to both.
class Twins {
public:
    Twins(int width, int height) : FFast(width, height), FPlain(width, height) {}

    template <class Draw> void DrawOnBoth(Draw draw)
    {
        draw(FFast.Canvas());
        draw(FPlain.Canvas());
    }

    void Grid(int width, int height)
    {
        FBoard.DrawGrid(FFast.Canvas(), width, height);
        int rows = 0;
        int cols = 0;
        TLifeBoard(rows, cols).DrawGrid(FPlain.Canvas(), width, height);
    }

    void Paint(int x, int y, TColor color)
    {
        DrawOnBoth([&](TCanvas& canvas) { TLifeBoard::PaintAt(canvas, x, y, color); });
    }

    void Line(int x1, int y1, int x2, int y2, TColor color)
    {
        DrawOnBoth([&](TCanvas& canvas) {
            canvas.Pen.Color = color;
            canvas.MovePenTo(x1, y1);
            canvas.LineTo(x2, y2);
        });
    }

    void Dot(int x, int y, TColor color)
    {
        DrawOnBoth([&](TCanvas& canvas) {
            canvas.Pen.Color = color;
            canvas.Rectangle(x, y, x + 1, y + 1);
        });
    }

    // One generation on each; "" when they agree.
    std::string Generation()
    {
        FBoard.Generation(FFast.Canvas());
        PlainGeneration(FPlain.Canvas(), Rows, Cols);
        return FirstDifference(FFast, FPlain);
    }

    int LivingCells()
    {
        int count = 0;
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                count +=
                    FPlain.Canvas().PixelAt(TLifeBoard::SampleX(c), TLifeBoard::SampleY(r)) == Blue;
        return count;
    }

    int Rows = 0;
    int Cols = 0;

private:
    TBitmap FFast;
    TBitmap FPlain;
    TLifeBoard FBoard{Rows, Cols};
};

// A random board: raster, grid, counts, damage and seeds all drawn from the
// generator. Returns a description for failure messages.
std::string RandomBoard(std::mt19937& random, Twins*& twins, std::unique_ptr<Twins>& owner)
{
    auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    auto chance = [&](int percent) { return below(100) < percent; };

    // Mostly small rasters of any size; some wide enough for several words of cells.
    const int width = chance(15) ? 300 + below(400) : 1 + below(64);
    const int height = chance(15) ? 20 + below(40) : 1 + below(64);
    owner = std::make_unique<Twins>(width, height);
    twins = owner.get();
    std::ostringstream what;
    what << width << "x" << height;

    // The grid: fitting the raster, smaller, or larger than it.
    int gridWidth = width;
    int gridHeight = height;
    const int gridKind = below(10);
    if (gridKind < 2) {
        gridWidth = std::max(1, width - below(12));
        gridHeight = std::max(1, height - below(12));
    } else if (gridKind < 4) {
        gridWidth = width + 1 + below(20);
        gridHeight = height + 1 + below(20);
    }
    if (chance(50))
        twins->Grid(gridWidth, gridHeight); // black outline
    twins->Grid(gridWidth, gridHeight);     // grey outline, or black when drawn once
    twins->Rows = gridHeight / TLifeBoard::CellPitch;
    twins->Cols = gridWidth / TLifeBoard::CellPitch;
    // Now and then counts of their own: one or two rows or columns, or more
    // than the raster holds.
    if (chance(10))
        twins->Rows = 1 + below(3);
    if (chance(10))
        twins->Cols = 1 + below(3);
    if (chance(5))
        twins->Rows += below(5);
    if (chance(5))
        twins->Cols += below(5);
    what << " grid " << gridWidth << "x" << gridHeight << " cells " << twins->Rows << "x"
         << twins->Cols;

    const int rows = std::max(twins->Rows, 1);
    const int cols = std::max(twins->Cols, 1);
    // Living cells, denser along the edges and in the corners so that every
    // wrap carries living neighbours.
    const int density = 10 + below(50);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            const bool edge = r < 2 || c < 2 || r >= rows - 2 || c >= cols - 2;
            if (chance(edge ? density + 20 : density))
                twins->Paint(TLifeBoard::SampleX(c), TLifeBoard::SampleY(r), Blue);
        }

    // Damage: grid lines broken or drawn where none belong, single pixels of
    // any colour on sample points and walls.
    const int damage = chance(40) ? below(6) : 0;
    const TColor colors[] = {White, Grey, Black, Blue};
    for (int i = 0; i < damage; ++i) {
        const TColor color = colors[below(4)];
        const int x = below(width + 4) - 2;
        const int y = below(height + 4) - 2;
        switch (below(3)) {
        case 0:
            twins->Line(x, y, x + below(12) - 6, y, color);
            break;
        case 1:
            twins->Line(x, y, x, y + below(12) - 6, color);
            break;
        default:
            twins->Dot(x, y, color);
        }
    }
    what << " damage " << damage;
    return what.str();
}

TEST(GenerationModel, MatchesThePlainPassPixelForPixelOnRandomBoards)
{
    std::mt19937 random(20240611);
    for (int board = 0; board < 3000; ++board) {
        std::unique_ptr<Twins> owner;
        Twins* twins = nullptr;
        const std::string what = RandomBoard(random, twins, owner);
        for (int generation = 1; generation <= 4; ++generation) {
            const std::string difference = twins->Generation();
            ASSERT_EQ(difference, "")
                << "board " << board << " (" << what << "), generation " << generation;
        }
    }
}

TEST(GenerationModel, FollowsDrawingBetweenGenerations)
{
    // Cells seeded, grid lines broken and mended between generations: the
    // board must see each of them.
    std::mt19937 random(77);
    auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int board = 0; board < 300; ++board) {
        std::unique_ptr<Twins> owner;
        Twins* twins = nullptr;
        const std::string what = RandomBoard(random, twins, owner);
        const int width = 5 * std::max(twins->Cols, 1) + 5;
        const int height = 5 * std::max(twins->Rows, 1) + 5;
        for (int generation = 1; generation <= 6; ++generation) {
            switch (below(4)) {
            case 0:
                twins->Paint(below(width), below(height), Blue);
                break;
            case 1:
                twins->Dot(below(width), below(height), below(2) ? White : Grey);
                break;
            case 2:
                twins->Paint(below(width), below(height), White);
                break;
            default:
                break;
            }
            const std::string difference = twins->Generation();
            ASSERT_EQ(difference, "")
                << "board " << board << " (" << what << "), generation " << generation;
        }
    }
}

TEST(GenerationModel, MatchesThePlainPassOnTheStartUpBoardForManyGenerations)
{
    // The full-size board with its 7-pixel last row and 4-pixel last column,
    // through a soup's growth: several words of cells a row.
    Twins twins(1010, 668);
    twins.Grid(1010, 668);
    twins.Grid(1010, 668);
    twins.Rows = 133;
    twins.Cols = 202;
    std::mt19937 random(3);
    for (int i = 0; i < 3000; ++i) {
        const int r = static_cast<int>(random() >> 1) % 133;
        const int c = static_cast<int>(random() >> 1) % 202;
        twins.Paint(TLifeBoard::SampleX(c), TLifeBoard::SampleY(r), Blue);
    }
    for (int generation = 1; generation <= 30; ++generation)
        ASSERT_EQ(twins.Generation(), "") << "generation " << generation;
    EXPECT_GT(twins.LivingCells(), 1000);
}

} // namespace
