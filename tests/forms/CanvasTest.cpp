#include "forms/Exceptions.h"
#include "forms/TBitmap.h"
#include "forms/TCanvas.h"
#include "forms/TImage.h"
#include "forms/TJPEGImage.h"
#include "support/ApplicationFixture.h"
#include "support/Failures.h"

namespace {

constexpr TColor Grey = 0xBCBCBC;
constexpr TColor Blue = 0xFF0000;

class Canvas : public ::testing::Test {
protected:
    Canvas() : FBitmap(12, 9), FCanvas(FBitmap.Canvas())
    {
        FCanvas.OnChange = [this](const QRect&) { ++FChanges; };
    }

    // Pixels of the given colour.
    int Count(TColor color) const
    {
        int count = 0;
        for (int y = 0; y < FBitmap.Height(); ++y)
            for (int x = 0; x < FBitmap.Width(); ++x)
                count += FCanvas.PixelAt(x, y) == color;
        return count;
    }

    // A grey box outline from (1, 1) to (6, 6) inclusive.
    void DrawBox()
    {
        FCanvas.Pen.Color = Grey;
        FCanvas.MovePenTo(1, 1);
        FCanvas.LineTo(6, 1);
        FCanvas.LineTo(6, 6);
        FCanvas.LineTo(1, 6);
        FCanvas.LineTo(1, 1);
    }

    TBitmap FBitmap;
    TCanvas& FCanvas;
    int FChanges = 0;
};

TEST_F(Canvas, StartsWhiteWithABlackPenAndAWhiteBrush)
{
    EXPECT_EQ(Count(clWhite), 12 * 9);
    EXPECT_EQ(FCanvas.Pen.Color, clBlack);
    EXPECT_EQ(FCanvas.Brush.Color, clWhite);
    EXPECT_EQ(FCanvas.PenPos, QPoint(0, 0));
}

TEST_F(Canvas, ReadsOutsideTheRasterAsInvalid)
{
    for (QPoint outside :
         {QPoint(-1, 0), QPoint(0, -1), QPoint(12, 0), QPoint(0, 9), QPoint(-100000, 100000)})
        EXPECT_EQ(FCanvas.PixelAt(outside.x(), outside.y()), CLR_INVALID);
}

TEST_F(Canvas, RectangleOutlinesWithThePenAndFillsWithTheBrush)
{
    FCanvas.Pen.Color = 0x123456;
    FCanvas.Brush.Color = Blue;
    FCanvas.Rectangle(2, 1, 6, 5);
    EXPECT_EQ(FChanges, 1);
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 12; ++x) {
            const bool inside = x >= 2 && x <= 5 && y >= 1 && y <= 4;
            const bool border = inside && (x == 2 || x == 5 || y == 1 || y == 4);
            const TColor expected = border ? 0x123456 : inside ? Blue : clWhite;
            EXPECT_EQ(FCanvas.PixelAt(x, y), expected) << x << "," << y;
        }
    }
}

TEST_F(Canvas, RectanglesAndFilledRectanglesAreClippedAtTheEdges)
{
    FCanvas.Rectangle(-3, -3, 20, 20);
    EXPECT_EQ(Count(clBlack), 0);
    EXPECT_EQ(Count(clWhite), 12 * 9);
    FCanvas.Brush.Color = Blue;
    FCanvas.FillRect(QRect(8, 6, 10, 10));
    FCanvas.FillRect(QRect(-5, -5, 6, 6));
    EXPECT_EQ(Count(Blue), 4 * 3 + 1);
    EXPECT_EQ(FCanvas.PixelAt(0, 0), Blue);
    FCanvas.Brush.Color = clWhite;
    FCanvas.Rectangle(0, 0, 12, 9);
    EXPECT_EQ(Count(clBlack), 2 * 12 + 2 * 7);
}

TEST_F(Canvas, LinesStopBeforeTheirEndPoint)
{
    FCanvas.Pen.Color = Grey;
    FCanvas.MovePenTo(0, 3);
    FCanvas.LineTo(12, 3);
    EXPECT_EQ(Count(Grey), 12);
    EXPECT_EQ(FCanvas.PenPos, QPoint(12, 3));
    FCanvas.MovePenTo(4, 0);
    FCanvas.LineTo(4, 9);
    EXPECT_EQ(Count(Grey), 12 + 8);
    EXPECT_EQ(FCanvas.PixelAt(4, 8), Grey);
    FCanvas.MovePenTo(7, 0);
    FCanvas.LineTo(7, 5);
    EXPECT_EQ(FCanvas.PixelAt(7, 4), Grey);
    EXPECT_EQ(FCanvas.PixelAt(7, 5), clWhite);
    EXPECT_EQ(FChanges, 3);
}

TEST_F(Canvas, BorderFillCoversExactlyTheEnclosedRegionWhateverItsColours)
{
    DrawBox();
    FCanvas.Pen.Color = clBlack;
    FCanvas.Rectangle(3, 3, 4, 4); // a black pixel inside the box
    FCanvas.Brush.Color = Blue;
    FCanvas.FillToBorder(3, 2, Grey, fsBorder);
    EXPECT_EQ(Count(Blue), 16);
    for (int y = 2; y <= 5; ++y)
        for (int x = 2; x <= 5; ++x)
            EXPECT_EQ(FCanvas.PixelAt(x, y), Blue);
    EXPECT_EQ(Count(Grey), 20);

    FCanvas.Brush.Color = clWhite;
    FCanvas.FillToBorder(5, 5, Grey, fsBorder);
    EXPECT_EQ(Count(Blue), 0);
}

TEST_F(Canvas, BorderFillFollowsRegionsOfAnyShape)
{
    // A U: a box from (1, 1) to (10, 7) with a wall hanging from its top at x = 5.
    FCanvas.Pen.Color = Grey;
    FCanvas.Brush.Color = clWhite;
    FCanvas.Rectangle(1, 1, 11, 8);
    FCanvas.MovePenTo(5, 1);
    FCanvas.LineTo(5, 6);
    FCanvas.Brush.Color = Blue;
    FCanvas.FillToBorder(2, 2, Grey, fsBorder);
    EXPECT_EQ(Count(Blue), 8 * 5 - 4);
    EXPECT_EQ(FCanvas.PixelAt(9, 2), Blue);
    EXPECT_EQ(FCanvas.PixelAt(0, 0), clWhite);

    // Seeded in the middle of a row, below the wall.
    FCanvas.Brush.Color = 0x00FF00;
    FCanvas.FillToBorder(5, 6, Grey, fsBorder);
    EXPECT_EQ(Count(0x00FF00), 8 * 5 - 4);
}

// A fill of the grey box from DrawBox, or around it, with Brush from At: how
// many pixels end in the brush's colour and how many stay grey. Every fill
// notifies, even one that changes nothing.
struct TBoxFill {
    const char* Name;
    TColor Brush;
    QPoint At;
    TFillStyle Style;
    int Brushed;
    int Greys;
};

void PrintTo(const TBoxFill& fill, std::ostream* out)
{
    *out << fill.Name;
}

const TBoxFill BoxFills[] = {
    {"InTheBorderColourStillCoversTheRegion", Grey, {4, 4}, fsBorder, 20 + 16, 20 + 16},
    {"InTheColourAlreadyThereChangesNothing", clWhite, {3, 3}, fsBorder, 12 * 9 - 20, 20},
    {"OnTheBorderChangesNothing", Blue, {1, 3}, fsBorder, 0, 20},
    {"LeftOfTheRasterChangesNothing", Blue, {-1, 3}, fsBorder, 0, 20},
    {"BelowTheRasterChangesNothing", Blue, {3, 9}, fsBorder, 0, 20},
    {"OfTheSurfaceCoversTheConnectedAreaOfOneColour", Blue, {1, 1}, fsSurface, 20, 0},
};

class BoxFill : public Canvas, public ::testing::WithParamInterface<TBoxFill> {};

TEST_P(BoxFill, CoversWhatItShouldAndNotifies)
{
    const TBoxFill& fill = GetParam();
    DrawBox();
    const int changes = FChanges;
    FCanvas.Brush.Color = fill.Brush;
    FCanvas.FillToBorder(fill.At.x(), fill.At.y(), Grey, fill.Style);
    EXPECT_EQ(Count(fill.Brush), fill.Brushed);
    EXPECT_EQ(Count(Grey), fill.Greys);
    EXPECT_EQ(FChanges, changes + 1);
}

INSTANTIATE_TEST_SUITE_P(Canvas, BoxFill, ::testing::ValuesIn(BoxFills),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(Canvas, ColoursReadBackExactly)
{
    for (TColor color : {TColor(0x010203), TColor(0xFEFDFC), Grey, Blue, TColor(0x00FF00)}) {
        FCanvas.Pen.Color = color;
        FCanvas.Brush.Color = color ^ 0x0F0F0F;
        FCanvas.Rectangle(0, 0, 12, 9);
        EXPECT_EQ(FCanvas.PixelAt(11, 8), color);
        EXPECT_EQ(FCanvas.PixelAt(5, 5), color ^ 0x0F0F0F);
    }
}

class ImageCanvas : public ApplicationFixture {
protected:
    TImage FImage{nullptr};
};

TEST_F(ImageCanvas, TheFirstRequestMakesAWhiteBitmapOfTheControlsSize)
{
    FImage.SetBounds(1, 34, 40, 30);
    TCanvas& canvas = FImage.Canvas();
    auto* bitmap = dynamic_cast<TBitmap*>(FImage.Picture().Graphic());
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->Width(), 40);
    EXPECT_EQ(bitmap->Height(), 30);
    EXPECT_EQ(canvas.PixelAt(39, 29), clWhite);

    // The bitmap keeps its size for good.
    FImage.SetBounds(1, 34, 80, 60);
    EXPECT_EQ(&FImage.Canvas(), &canvas);
    EXPECT_EQ(bitmap->Width(), 40);
    EXPECT_EQ(canvas.PixelAt(40, 0), CLR_INVALID);
}

TEST_F(ImageCanvas, APictureOfAnotherKindCannotBeDrawnOn)
{
    FImage.Picture().SetGraphic(std::make_unique<TJPEGImage>());
    EXPECT_EQ(MessageOf<EInvalidOperation>([&] { FImage.Canvas(); }),
              "Can only modify an image if it contains a bitmap");
}

TEST_F(ImageCanvas, ABitmapTooLargeToAllocateRaisesOutOfResources)
{
    FImage.SetBounds(0, 0, 100000, 100000);
    EXPECT_EQ(MessageOf<EOutOfResources>([&] { FImage.Canvas(); }), "Out of system resources");
    EXPECT_EQ(FImage.Picture().Graphic(), nullptr);
}

} // namespace
