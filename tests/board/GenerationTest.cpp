// Generations on the raster against the in-place rule on a plain cell array
// (TCellArray, shared with the tools and the benchmarks), cell for cell,
// and the one change each generation reports against the cells it changed.
#include "TCellArray.h"
#include "board/TLifeBoard.h"
#include "forms/TBitmap.h"
#include "forms/TCanvas.h"
#include "forms/TImage.h"
#include "support/ApplicationFixture.h"

#include <QCoreApplication>
#include <QPaintEvent>

#include <random>
#include <sstream>
#include <utility>
#include <vector>

namespace {

// Where a board lies: rows × cols cells in a grid drawn at 5 cols + SpareX by
// 5 rows + SpareY pixels, the spare pixels going to the last column and row,
// on a raster that cuts the grid's last CutX columns and CutY rows of pixels
// off (a negative cut leaves blank raster beyond the grid). A grid drawn once
// has a black outline, which belongs to the last cells; drawn twice, a grey one.
struct TLayout {
    const char* Name;
    int Rows;
    int Cols;
    int SpareX = 0;
    int SpareY = 0;
    int CutX = 0;
    int CutY = 0;
    bool GreyOutline = true;

    int GridWidth() const { return TLifeBoard::CellPitch * Cols + SpareX; }
    int GridHeight() const { return TLifeBoard::CellPitch * Rows + SpareY; }
    int Width() const { return GridWidth() - CutX; }
    int Height() const { return GridHeight() - CutY; }

    // The pixels a fill of cell (r, c) covers on this grid.
    QRect CellArea(int r, int c) const
    {
        const int outline = GreyOutline ? 2 : 1;
        const int right = c == Cols - 1 ? GridWidth() - outline : TLifeBoard::SampleX(c) + 3;
        const int bottom = r == Rows - 1 ? GridHeight() - outline : TLifeBoard::SampleY(r) + 3;
        return QRect(QPoint(TLifeBoard::SampleX(c), TLifeBoard::SampleY(r)),
                     QPoint(right, bottom)) &
               QRect(0, 0, Width(), Height());
    }

    // The rectangle around the cells that differ between the two boards.
    QRect ChangedArea(const TCellArray& before, const TCellArray& after) const
    {
        QRect area;
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                if (before.Alive(r, c) != after.Alive(r, c))
                    area |= CellArea(r, c);
        return area;
    }

    std::string Describe() const
    {
        std::ostringstream out;
        out << Name << " " << Rows << "x" << Cols << " spare " << SpareX << "," << SpareY << " cut "
            << CutX << "," << CutY << (GreyOutline ? " grey" : " black");
        return out.str();
    }
};

void DrawGrid(TLifeBoard& board, TCanvas& canvas, const TLayout& layout)
{
    board.DrawGrid(canvas, layout.GridWidth(), layout.GridHeight());
    if (layout.GreyOutline)
        board.DrawGrid(canvas, layout.GridWidth(), layout.GridHeight());
}

// The first cell where the raster and the reference differ, or "".
std::string Difference(const TCanvas& canvas, const TCellArray& reference, int rows, int cols)
{
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            if (TLifeBoard::IsAlive(canvas, r, c) != reference.Alive(r, c)) {
                std::ostringstream out;
                out << "cell " << r << "," << c << " is "
                    << (reference.Alive(r, c) ? "dead" : "alive") << " on the raster";
                return out.str();
            }
    return "";
}

// A random soup of the given density on the raster and the reference alike.
void Seed(const TLayout& layout, int percent, std::mt19937& random, TCanvas& canvas,
          TCellArray& reference)
{
    for (int r = 0; r < layout.Rows; ++r)
        for (int c = 0; c < layout.Cols; ++c)
            if (static_cast<int>(random() % 100) < percent) {
                reference.SetAlive(r, c);
                TLifeBoard::PaintAt(canvas, TLifeBoard::SampleX(c), TLifeBoard::SampleY(r),
                                    TLifeBoard::LivingColor);
            }
}

// Wraps onto the board itself (one row, one column, 2 × 2), last cells of
// three pixels or of the spare ones and the black outline, the raster's edge
// through the last cells, and the start-up board.
const TLayout Layouts[] = {
    {"OneCell", 1, 1},
    {"OneCellCut", 1, 1, 4, 4, 7, 7},
    {"OneRow", 1, 9},
    {"OneColumn", 8, 1, 3, 0, 0, 0, false},
    {"TwoByTwo", 2, 2},
    {"TwoRows", 2, 11, 1, 1},
    {"ThreeByThree", 3, 3, 0, 0, 0, 0, false},
    {"ThreePixelLastCells", 6, 7},
    {"BlackOutline", 7, 9, 2, 4, 0, 0, false},
    {"CutByTheRaster", 9, 13, 4, 2, 6, 5},
    {"BlankBeyondTheGrid", 9, 13, 1, 1, -4, -3},
    {"StartUp", 133, 202, 0, 3, 0, 0, false},
};

// Board sizes and edges drawn at random, the smallest most often.
TLayout RandomLayout(std::mt19937& random)
{
    auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    TLayout layout{"Random", below(3) == 0 ? 1 + below(3) : 1 + below(40),
                   below(3) == 0 ? 1 + below(3) : 1 + below(80)};
    layout.SpareX = below(5);
    layout.SpareY = below(5);
    layout.GreyOutline = below(2) == 0;
    // The last sample point stays on the raster: a cut of at most spare + 3.
    // Blank raster beyond a black outline would join the last cells.
    const int least = layout.GreyOutline ? -3 : 0;
    if (below(2) == 0) {
        layout.CutX = least + below(layout.SpareX + 4 - least);
        layout.CutY = least + below(layout.SpareY + 4 - least);
    }
    return layout;
}

TEST(Generation, FollowsTheReferenceAndReportsTheCellsItChanged)
{
    std::vector<TLayout> layouts(std::begin(Layouts), std::end(Layouts));
    std::mt19937 random(2718);
    for (int i = 0; i < 400; ++i)
        layouts.push_back(RandomLayout(random));
    int changing = 0;
    int stillAndLiving = 0;
    for (const TLayout& layout : layouts) {
        for (const int percent : {8, 25, 45, 70}) {
            SCOPED_TRACE(layout.Describe() + ", density " + std::to_string(percent));
            TBitmap bitmap(layout.Width(), layout.Height());
            int rows = 0;
            int cols = 0;
            TLifeBoard board(rows, cols);
            DrawGrid(board, bitmap.Canvas(), layout);
            ASSERT_EQ(rows, layout.Rows);
            ASSERT_EQ(cols, layout.Cols);
            TCellArray reference(rows, cols);
            Seed(layout, percent, random, bitmap.Canvas(), reference);
            std::vector<QRect> reported;
            bitmap.Canvas().OnChange = [&](const QRect& area) { reported.push_back(area); };

            const int generations = rows * cols > 10000 ? 30 : 6;
            for (int generation = 1; generation <= generations; ++generation) {
                SCOPED_TRACE("generation " + std::to_string(generation));
                const TCellArray before = reference;
                reference.Generation();
                reported.clear();
                board.Generation(bitmap.Canvas());
                ASSERT_EQ(Difference(bitmap.Canvas(), reference, rows, cols), "");
                if (reference == before) {
                    EXPECT_TRUE(reported.empty());
                    stillAndLiving += board.LivingCount(bitmap.Canvas()) > 0;
                    continue;
                }
                ++changing;
                ASSERT_EQ(reported.size(), 1u);
                EXPECT_EQ(reported[0], layout.ChangedArea(before, reference));
            }
        }
    }
    EXPECT_GT(changing, 5000);
    EXPECT_GT(stillAndLiving, 300);
}

// Boards with stray pixels, on grid lines as well as inside cells, where fills
// take part of a cell or run into other cells, and one more stray drawn in the
// middle of the run by a handler of the change that ends a generation: a
// board that has seen the cells' fills before paints every pixel and reports
// every change as a new board, which has seen none.
TEST(Generation, FillsSeenBeforeChangeNothingThatAFirstFillWouldNot)
{
    std::vector<TLayout> layouts(std::begin(Layouts), std::end(Layouts));
    std::mt19937 random(31415);
    for (int i = 0; i < 150; ++i)
        layouts.push_back(RandomLayout(random));
    const TColor strays[] = {TLifeBoard::GridColor, TLifeBoard::DeadColor, TLifeBoard::LivingColor,
                             clBlack};
    for (const TLayout& layout : layouts) {
        for (const int damage : {0, 1, 10}) {
            SCOPED_TRACE(layout.Describe() + ", damage " + std::to_string(damage));
            const std::mt19937 start = random;
            random.discard(1);
            TBitmap fresh(layout.Width(), layout.Height());
            TBitmap run(layout.Width(), layout.Height());
            int rows = 0;
            int cols = 0;
            TLifeBoard runBoard(rows, cols);
            std::vector<QRect> freshChanges;
            std::vector<QRect> runChanges;
            // The same soup and the same strays on both.
            std::mt19937 same[2] = {start, start};
            const auto stray = [&](TCanvas& canvas, std::mt19937& draw) {
                canvas.Pen.Color = strays[draw() % 4];
                const int x = static_cast<int>(draw() % layout.Width());
                const int y = static_cast<int>(draw() % layout.Height());
                canvas.MovePenTo(x, y);
                canvas.LineTo(x + 1, y);
            };
            for (TBitmap* bitmap : {&fresh, &run}) {
                std::mt19937& draw = same[bitmap == &run];
                DrawGrid(runBoard, bitmap->Canvas(), layout);
                TCellArray unused(layout.Rows, layout.Cols);
                Seed(layout, 40, draw, bitmap->Canvas(), unused);
                for (int i = 0; i < damage * layout.Width() * layout.Height() / 100; ++i)
                    stray(bitmap->Canvas(), draw);
            }
            fresh.Canvas().OnChange = [&](const QRect& area) { freshChanges.push_back(area); };
            bool strayByHandler = false;
            run.Canvas().OnChange = [&](const QRect& area) {
                runChanges.push_back(area);
                if (std::exchange(strayByHandler, false))
                    stray(run.Canvas(), same[1]);
            };
            for (int generation = 1; generation <= 6; ++generation) {
                strayByHandler = generation == 3;
                TLifeBoard(rows, cols).Generation(fresh.Canvas());
                runBoard.Generation(run.Canvas());
                if (generation == 3) {
                    stray(fresh.Canvas(), same[0]);
                    // A generation that changed nothing raised no change to draw it.
                    if (std::exchange(strayByHandler, false))
                        stray(run.Canvas(), same[1]);
                }
                ASSERT_EQ(run.Image(), fresh.Image()) << "generation " << generation;
                ASSERT_EQ(runChanges, freshChanges) << "generation " << generation;
            }
        }
    }
}

// Records the regions the image is asked to paint.
class PaintRecorder : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            Regions.push_back(static_cast<QPaintEvent*>(event)->region());
        return false;
    }

    std::vector<QRegion> Regions;
};

class ShownBoard : public ApplicationFixture {};

TEST_F(ShownBoard, ThePumpRepaintsOnlyTheRectangleOfTheChangedCells)
{
    const TLayout layout{"Shown", 40, 60, 1, 1};
    TImage image(nullptr);
    image.SetBounds(0, 0, layout.Width(), layout.Height());
    int rows = 0;
    int cols = 0;
    TLifeBoard board(rows, cols);
    DrawGrid(board, image.Canvas(), layout);
    TCellArray reference(rows, cols);
    // A soup in a corner of the board: rows 3 to 12, columns 10 to 24.
    std::mt19937 random(11);
    for (int r = 3; r <= 12; ++r)
        for (int c = 10; c <= 24; ++c)
            if (random() % 3 == 0) {
                reference.SetAlive(r, c);
                TLifeBoard::PaintAt(image.Canvas(), TLifeBoard::SampleX(c), TLifeBoard::SampleY(r),
                                    TLifeBoard::LivingColor);
            }
    image.show();
    QCoreApplication::processEvents();
    PaintRecorder recorder;
    image.installEventFilter(&recorder);

    int repaints = 0;
    for (int generation = 1; generation <= 10; ++generation) {
        SCOPED_TRACE("generation " + std::to_string(generation));
        recorder.Regions.clear();
        const TCellArray before = reference;
        reference.Generation();
        board.Generation(image.Canvas());
        QCoreApplication::processEvents();
        if (reference == before) {
            EXPECT_TRUE(recorder.Regions.empty());
            continue;
        }
        ++repaints;
        ASSERT_EQ(recorder.Regions.size(), 1u);
        const QRect area = layout.ChangedArea(before, reference);
        EXPECT_EQ(recorder.Regions[0], QRegion(area));
        EXPECT_LT(area.width() * area.height(), layout.Width() * layout.Height() / 2);
    }
    EXPECT_GE(repaints, 5);
}

} // namespace
