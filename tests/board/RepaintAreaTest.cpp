// What a generation reports as changed: one rectangle, exactly around the
// cells it painted, and the image shown repaints that rectangle.
#include "board/TLifeBoard.h"
#include "forms/TBitmap.h"
#include "forms/TCanvas.h"
#include "forms/TImage.h"
#include "support/ApplicationFixture.h"

#include <QCoreApplication>
#include <QPaintEvent>

#include <random>
#include <vector>

namespace {

constexpr TColor Blue = TLifeBoard::LivingColor;

// The in-place rule on a plain grid; returns the cells it changed.
std::vector<std::pair<int, int>> PlainGeneration(std::vector<std::vector<bool>>& cells)
{
    const int rows = static_cast<int>(cells.size());
    const int cols = static_cast<int>(cells[0].size());
    std::vector<std::pair<int, int>> changed;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            int n = 0;
            for (int dr = -1; dr <= 1; ++dr)
                for (int dc = -1; dc <= 1; ++dc)
                    if (dr != 0 || dc != 0)
                        n += cells[(r + dr + rows) % rows][(c + dc + cols) % cols];
            const bool next = n == 3 || (cells[r][c] && n == 2);
            if (next != cells[r][c]) {
                cells[r][c] = next;
                changed.emplace_back(r, c);
            }
        }
    return changed;
}

// The pixels of the cells, from the first changed row to the last and the
// leftmost changed column to the rightmost.
QRect CellsArea(const std::vector<std::pair<int, int>>& cells)
{
    QRect area;
    for (const auto& [r, c] : cells)
        area |= QRect(TLifeBoard::SampleX(c), TLifeBoard::SampleY(r), 4, 4);
    return area;
}

// A board whose cells are all 4 × 4 boxes: one pixel beyond the last grid
// lines, outlined in grey by a second grid.
class RandomBoard {
public:
    RandomBoard(int rows, int cols, std::mt19937& random, int percent)
        : Bitmap(5 * cols + 1, 5 * rows + 1), Cells(rows, std::vector<bool>(cols))
    {
        Board.DrawGrid(Bitmap.Canvas(), Bitmap.Width(), Bitmap.Height());
        Board.DrawGrid(Bitmap.Canvas(), Bitmap.Width(), Bitmap.Height());
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                if (static_cast<int>(random() % 100) < percent) {
                    Cells[r][c] = true;
                    TLifeBoard::PaintAt(Bitmap.Canvas(), TLifeBoard::SampleX(c),
                                        TLifeBoard::SampleY(r), Blue);
                }
    }

    TBitmap Bitmap;
    std::vector<std::vector<bool>> Cells;
    int Rows = 0;
    int Cols = 0;
    TLifeBoard Board{Rows, Cols};
};

TEST(RepaintArea, AGenerationReportsOneRectangleAroundExactlyTheCellsItChanged)
{
    std::mt19937 random(5);
    int boardsWithChanges = 0;
    for (int board = 0; board < 300; ++board) {
        const int rows = 3 + static_cast<int>(random() % 30);
        const int cols = 3 + static_cast<int>(random() % 90);
        RandomBoard subject(rows, cols, random, static_cast<int>(random() % 30));
        std::vector<QRect> reported;
        subject.Bitmap.Canvas().OnChange = [&](const QRect& area) { reported.push_back(area); };
        for (int generation = 1; generation <= 3; ++generation) {
            reported.clear();
            const auto changed = PlainGeneration(subject.Cells);
            subject.Board.Generation(subject.Bitmap.Canvas());
            if (changed.empty()) {
                EXPECT_TRUE(reported.empty()) << "board " << board;
                continue;
            }
            ++boardsWithChanges;
            ASSERT_EQ(reported.size(), 1u) << "board " << board;
            EXPECT_EQ(reported[0], CellsArea(changed))
                << "board " << board << ", generation " << generation;
        }
    }
    EXPECT_GT(boardsWithChanges, 500);
}

TEST(RepaintArea, AStillBoardReportsNothing)
{
    std::mt19937 random(1);
    RandomBoard subject(9, 9, random, 0);
    for (int c : {2, 3})
        for (int r : {4, 5})
            TLifeBoard::PaintAt(subject.Bitmap.Canvas(), TLifeBoard::SampleX(c),
                                TLifeBoard::SampleY(r), Blue); // a block
    int changes = 0;
    subject.Bitmap.Canvas().OnChange = [&](const QRect&) { ++changes; };
    subject.Board.Generation(subject.Bitmap.Canvas());
    EXPECT_EQ(changes, 0);
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

TEST_F(ShownBoard, ThePumpRepaintsOnlyTheRectangleOfTheChangedRows)
{
    TImage image(nullptr);
    image.SetBounds(0, 0, 301, 201);
    int rows = 0;
    int cols = 0;
    TLifeBoard board(rows, cols);
    board.DrawGrid(image.Canvas(), 301, 201);
    board.DrawGrid(image.Canvas(), 301, 201);
    std::vector<std::vector<bool>> cells(rows, std::vector<bool>(cols));
    // A soup in a corner of the board: rows 3 to 12, columns 10 to 24.
    std::mt19937 random(11);
    for (int r = 3; r <= 12; ++r)
        for (int c = 10; c <= 24; ++c)
            if (random() % 3 == 0) {
                cells[r][c] = true;
                TLifeBoard::PaintAt(image.Canvas(), TLifeBoard::SampleX(c), TLifeBoard::SampleY(r),
                                    Blue);
            }
    image.show();
    QCoreApplication::processEvents();
    PaintRecorder recorder;
    image.installEventFilter(&recorder);

    int repaints = 0;
    for (int generation = 1; generation <= 10; ++generation) {
        recorder.Regions.clear();
        const auto changed = PlainGeneration(cells);
        board.Generation(image.Canvas());
        QCoreApplication::processEvents();
        if (changed.empty()) {
            EXPECT_TRUE(recorder.Regions.empty()) << "generation " << generation;
            continue;
        }
        ++repaints;
        ASSERT_EQ(recorder.Regions.size(), 1u) << "generation " << generation;
        const QRect area = CellsArea(changed);
        EXPECT_EQ(recorder.Regions[0], QRegion(area)) << "generation " << generation;
        EXPECT_LT(area.width() * area.height(), 301 * 201 / 2);
    }
    EXPECT_GE(repaints, 5);
}

} // namespace
