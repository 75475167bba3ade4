// Canvas fills against a plain flood fill written here, on random rasters
// whose regions touch every edge: box-shaped regions (some cut by the
// raster's edges) and irregular ones, with brushes of every colour, the
// border's and the region's own among them.
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

    // A point on one of the raster's four edges, just off the raster, or anywhere.
    QPoint RandomSeed(const TCanvas& canvas)
    {
        const int x = Below(canvas.Width());
        const int y = Below(canvas.Height());
        switch (Below(7)) {
        case 0:
            return QPoint(0, y);
        case 1:
            return QPoint(canvas.Width() - 1, y);
        case 2:
            return QPoint(x, 0);
        case 3:
            return QPoint(x, canvas.Height() - 1);
        case 4:
            return QPoint(-1, y);
        case 5:
            return QPoint(x, canvas.Height());
        default:
            return QPoint(x, y);
        }
    }

    std::mt19937 FRandom{42};
};

// Every fill raises one change, for the region it filled, even when it
// filled nothing: a seed on the border, in a region of the brush's colour
// already or off the raster.
TEST_F(CanvasFills, BorderAndSurfaceFillsMatchAPlainFloodFill)
{
    int edgeRegions = 0;
    int borderBrushes = 0;
    int offRaster = 0;
    int nothingFilled = 0;
    for (int i = 0; i < 3000; ++i) {
        auto bitmap = RandomRaster();
        TCanvas& canvas = bitmap->Canvas();
        std::vector<QRect> reported;
        canvas.OnChange = [&](const QRect& area) { reported.push_back(area); };
        Pixels expected = Read(canvas);
        const QPoint seed = RandomSeed(canvas);
        const bool onRaster = canvas.Contains(seed.x(), seed.y());
        const TFillStyle style = Below(4) == 0 ? fsSurface : fsBorder;
        const TColor border = style == fsSurface && onRaster ? expected[seed.y()][seed.x()] : Grey;
        canvas.Brush.Color = Colors[Below(5)];
        const QRect bounds =
            PlainFill(expected, seed.x(), seed.y(), border, style, canvas.Brush.Color);
        const QRect filled = canvas.FillToBorder(seed.x(), seed.y(), border, style);
        ASSERT_EQ(Read(canvas), expected) << "case " << i;
        EXPECT_EQ(filled, bounds) << "case " << i;
        EXPECT_EQ(reported, std::vector<QRect>{bounds}) << "case " << i;
        const bool touchesEdge = bounds.left() == 0 || bounds.top() == 0 ||
                                 bounds.right() == canvas.Width() - 1 ||
                                 bounds.bottom() == canvas.Height() - 1;
        edgeRegions += !bounds.isEmpty() && touchesEdge &&
                       bounds != QRect(0, 0, canvas.Width(), canvas.Height());
        borderBrushes += !bounds.isEmpty() && style == fsBorder && canvas.Brush.Color == Grey;
        offRaster += !onRaster;
        nothingFilled += onRaster && bounds.isEmpty();
    }
    EXPECT_GT(edgeRegions, 400);
    EXPECT_GT(borderBrushes, 100);
    EXPECT_GT(offRaster, 100);
    EXPECT_GT(nothingFilled, 100);
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
    canvas.Rectangle(28, 18, 33, 23);
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0], QRect(28, 18, 2, 2));
    EXPECT_EQ(canvas.PixelAt(29, 19), Blue);
    EXPECT_EQ(canvas.PixelAt(27, 19), White);
}

} // namespace
