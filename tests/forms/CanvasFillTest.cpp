// Canvas fills against a plain flood fill written here, on random rasters
// whose regions touch every edge: box-shaped regions (cells cut by the
// raster's edges) and irregular ones.
#include "forms/TBitmap.h"
#include "forms/TCanvas.h"

#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <vector>

namespace {

constexpr TColor Grey = 0xBCBCBC;
constexpr TColor Blue = 0xFF0000;
constexpr TColor White = 0xFFFFFF;
constexpr TColor Colors[] = {Grey, Blue, White, 0x000000, 0x00FF00};

// The raster as colours, row by row.
using Pixels = std::vector<std::vector<TColor>>;

Pixels Read(const TCanvas& canvas)
{
    Pixels pixels(canvas.Height(), std::vector<TColor>(canvas.Width()));
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            pixels[y][x] = canvas.PixelAt(x, y);
    return pixels;
}

// Breadth first from (x, y) over the 4-connected pixels that do not have the
// border colour (fsBorder) or have the colour (fsSurface); paints them and
// returns their bounding rectangle.
QRect PlainFill(Pixels& pixels, int x, int y, TColor color, TFillStyle style, TColor brush)
{
    const int height = static_cast<int>(pixels.size());
    const int width = height > 0 ? static_cast<int>(pixels[0].size()) : 0;
    auto inside = [&](int px, int py) { return px >= 0 && py >= 0 && px < width && py < height; };
    if (!inside(x, y))
        return QRect();
    auto open = [&](TColor pixel) { return style == fsBorder ? pixel != color : pixel == color; };
    std::vector<std::vector<bool>> taken(height, std::vector<bool>(width));
    std::deque<QPoint> queue;
    if (open(pixels[y][x])) {
        taken[y][x] = true;
        queue.push_back(QPoint(x, y));
    }
    QRect bounds;
    std::vector<QPoint> region;
    while (!queue.empty()) {
        const QPoint p = queue.front();
        queue.pop_front();
        region.push_back(p);
        bounds |= QRect(p, p);
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint q = p + step;
            if (inside(q.x(), q.y()) && !taken[q.y()][q.x()] && open(pixels[q.y()][q.x()])) {
                taken[q.y()][q.x()] = true;
                queue.push_back(q);
            }
        }
    }
    for (const QPoint& p : region)
        pixels[p.y()][p.x()] = brush;
    return bounds;
}

class CanvasFills : public ::testing::Test {
protected:
    int Below(int n) { return static_cast<int>(FRandom() % static_cast<unsigned>(n)); }

    // A raster of random size with grey-walled boxes, some cut by the edges,
    // and, now and then, scattered pixels of any colour.
    std::unique_ptr<TBitmap> RandomRaster()
    {
        auto bitmap = std::make_unique<TBitmap>(1 + Below(40), 1 + Below(40));
        TCanvas& canvas = bitmap->Canvas();
        const int width = canvas.Width();
        const int height = canvas.Height();
        const int boxes = Below(8);
        for (int i = 0; i < boxes; ++i) {
            // Outlines from beyond one edge to beyond another leave regions
            // against the raster's edges.
            const int x1 = Below(width + 6) - 3;
            const int y1 = Below(height + 6) - 3;
            canvas.Pen.Color = Grey;
            canvas.Brush.Color = Colors[1 + Below(4)];
            canvas.Rectangle(x1, y1, x1 + 2 + Below(12), y1 + 2 + Below(12));
        }
        if (Below(3) == 0) {
            const int dots = Below(width * height / 3 + 1);
            for (int i = 0; i < dots; ++i) {
                canvas.Pen.Color = Colors[Below(5)];
                const int x = Below(width);
                const int y = Below(height);
                canvas.Rectangle(x, y, x + 1, y + 1);
            }
        }
        return bitmap;
    }

    // A point on one of the raster's four edges, or anywhere.
    QPoint RandomSeed(const TCanvas& canvas)
    {
        const int x = Below(canvas.Width());
        const int y = Below(canvas.Height());
        switch (Below(5)) {
        case 0:
            return QPoint(0, y);
        case 1:
            return QPoint(canvas.Width() - 1, y);
        case 2:
            return QPoint(x, 0);
        case 3:
            return QPoint(x, canvas.Height() - 1);
        default:
            return QPoint(x, y);
        }
    }

    std::mt19937 FRandom{42};
};

TEST_F(CanvasFills, BorderAndSurfaceFillsMatchAPlainFloodFill)
{
    int edgeRegions = 0;
    for (int i = 0; i < 3000; ++i) {
        auto bitmap = RandomRaster();
        TCanvas& canvas = bitmap->Canvas();
        Pixels expected = Read(canvas);
        const QPoint seed = RandomSeed(canvas);
        const TFillStyle style = Below(4) == 0 ? fsSurface : fsBorder;
        const TColor border = style == fsBorder ? Grey : expected[seed.y()][seed.x()];
        canvas.Brush.Color = Colors[Below(5)];
        const QRect bounds =
            PlainFill(expected, seed.x(), seed.y(), border, style, canvas.Brush.Color);
        const QRect filled = canvas.FillToBorder(seed.x(), seed.y(), border, style);
        ASSERT_EQ(Read(canvas), expected) << "case " << i;
        EXPECT_EQ(filled, bounds) << "case " << i;
        const bool touchesEdge = bounds.left() == 0 || bounds.top() == 0 ||
                                 bounds.right() == canvas.Width() - 1 ||
                                 bounds.bottom() == canvas.Height() - 1;
        edgeRegions += !bounds.isEmpty() && touchesEdge &&
                       bounds != QRect(0, 0, canvas.Width(), canvas.Height());
    }
    EXPECT_GT(edgeRegions, 500);
}

TEST_F(CanvasFills, BoxFillsFillExactlyTheBoxesThatAreWholeRegions)
{
    // Boxes drawn with grey walls, partly overdrawn or cut by the edges,
    // then filled at a box that may or may not be the region.
    int boxes = 0;
    for (int i = 0; i < 3000; ++i) {
        auto bitmap = RandomRaster();
        TCanvas& canvas = bitmap->Canvas();
        const int left = Below(canvas.Width() + 2) - 1;
        const int top = Below(canvas.Height() + 2) - 1;
        const int right = left + Below(6);
        const int bottom = top + Below(6);
        if (Below(3) != 0) {
            canvas.Pen.Color = Grey;
            canvas.Brush.Color = Colors[1 + Below(4)];
            canvas.Rectangle(left - 1, top - 1, right + 2, bottom + 2);
            // Now and then one pixel of the walls or the inside changed.
            if (Below(2) == 0) {
                const int x = left - 1 + Below(right - left + 3);
                const int y = top - 1 + Below(bottom - top + 3);
                canvas.Pen.Color = Colors[Below(5)];
                canvas.Rectangle(x, y, x + 1, y + 1);
            }
        }
        const Pixels before = Read(canvas);
        Pixels region = before;
        const TColor color = Colors[1 + Below(4)];
        const QRect bounds = PlainFill(region, left, top, Grey, fsBorder, color);
        // The box is the region when the region covers it all and no more.
        int covered = 0;
        for (int y = std::max(top, 0); y <= std::min(bottom, canvas.Height() - 1); ++y)
            for (int x = std::max(left, 0); x <= std::min(right, canvas.Width() - 1); ++x)
                covered += before[y][x] != Grey;
        const QRect box(QPoint(left, top), QPoint(right, bottom));
        const bool whole = bounds == box && covered == box.width() * box.height();
        int changes = 0;
        canvas.OnChange = [&](const QRect& area) {
            ++changes;
            EXPECT_EQ(area, box);
        };
        const bool filled = canvas.FillBoxToBorder(left, top, right, bottom, Grey, color);
        ASSERT_EQ(filled, whole) << "case " << i;
        ASSERT_EQ(Read(canvas), whole ? region : before) << "case " << i;
        EXPECT_EQ(changes, whole ? 1 : 0);
        boxes += whole;
    }
    EXPECT_GT(boxes, 300);
}

TEST_F(CanvasFills, RectangleFillsPaintEachRectangleClippedAndReportTheirUnion)
{
    for (int i = 0; i < 1000; ++i) {
        auto bitmap = RandomRaster();
        TCanvas& canvas = bitmap->Canvas();
        Pixels expected = Read(canvas);
        std::vector<TCanvas::TRectFill> fills;
        QRect bounds;
        const int count = Below(12);
        for (int f = 0; f < count; ++f) {
            const QRect rect(Below(canvas.Width() + 8) - 4, Below(canvas.Height() + 8) - 4,
                             Below(7), Below(7));
            const TColor color = Colors[Below(5)];
            fills.push_back({rect, color});
            const QRect inside = rect & QRect(0, 0, canvas.Width(), canvas.Height());
            for (int y = inside.top(); y <= inside.bottom(); ++y)
                for (int x = inside.left(); x <= inside.right(); ++x)
                    expected[y][x] = color;
            if (!inside.isEmpty())
                bounds |= inside;
        }
        std::vector<QRect> reported;
        canvas.OnChange = [&](const QRect& area) { reported.push_back(area); };
        canvas.FillRects(fills);
        ASSERT_EQ(Read(canvas), expected) << "case " << i;
        ASSERT_EQ(reported.size(), 1u);
        EXPECT_EQ(reported[0], bounds) << "case " << i;
    }
}

TEST_F(CanvasFills, AnUpdateGathersItsOperationsIntoOneChange)
{
    TBitmap bitmap(30, 20);
    TCanvas& canvas = bitmap.Canvas();
    std::vector<QRect> reported;
    canvas.OnChange = [&](const QRect& area) { reported.push_back(area); };

    canvas.BeginUpdate();
    canvas.EndUpdate();
    EXPECT_TRUE(reported.empty()) << "nothing ran";

    canvas.BeginUpdate();
    canvas.Pen.Color = Grey;
    canvas.MovePenTo(2, 3);
    canvas.LineTo(6, 3);
    canvas.BeginUpdate();
    canvas.Rectangle(20, 10, 40, 12); // clipped at the right
    canvas.EndUpdate();
    EXPECT_TRUE(reported.empty()) << "still inside the outer update";
    canvas.Brush.Color = Blue;
    canvas.FillToBorder(-1, -1, Grey, fsBorder); // outside: nothing, and no area
    canvas.EndUpdate();
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0], QRect(QPoint(2, 3), QPoint(29, 11)));

    reported.clear();
    canvas.FillRect(QRect(28, 18, 5, 5));
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0], QRect(28, 18, 2, 2));
    EXPECT_EQ(canvas.PixelAt(29, 19), Blue);
    EXPECT_EQ(canvas.PixelAt(27, 19), White);
}

TEST_F(CanvasFills, EveryOperationChangesTheStampAndNoTwoCanvasesShareOne)
{
    TBitmap first(10, 10);
    TBitmap second(10, 10);
    TCanvas& canvas = first.Canvas();
    EXPECT_NE(canvas.Stamp(), second.Canvas().Stamp());
    std::vector<TCanvas::TStamp> stamps{canvas.Stamp()};
    canvas.Rectangle(0, 0, 3, 3);
    stamps.push_back(canvas.Stamp());
    canvas.LineTo(5, 5);
    stamps.push_back(canvas.Stamp());
    canvas.FillToBorder(50, 50, Grey, fsBorder); // changes nothing, still an operation
    stamps.push_back(canvas.Stamp());
    canvas.FillRect(QRect(1, 1, 2, 2));
    stamps.push_back(canvas.Stamp());
    canvas.FillRects({});
    stamps.push_back(canvas.Stamp());
    canvas.Pen.Color = Grey;
    canvas.Rectangle(3, 5, 10, 10); // walls around x 4 to 8, y 6 to 8
    stamps.push_back(canvas.Stamp());
    EXPECT_TRUE(canvas.FillBoxToBorder(4, 6, 8, 8, Grey, Blue));
    stamps.push_back(canvas.Stamp());
    for (std::size_t i = 1; i < stamps.size(); ++i)
        EXPECT_NE(stamps[i], stamps[i - 1]) << i;
    // A box fill that finds no box changes nothing.
    EXPECT_FALSE(canvas.FillBoxToBorder(4, 6, 7, 8, Grey, White));
    EXPECT_EQ(canvas.Stamp(), stamps.back());
}

} // namespace
