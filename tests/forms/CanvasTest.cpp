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
            const TColor expected = border ? TColor(0x123456) : inside ? Blue : clWhite;
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
