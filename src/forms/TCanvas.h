#pragma once

#include "forms/TColor.h"

#include <QPoint>
#include <QRect>

#include <cstdint>
#include <functional>
#include <vector>

class QImage;

enum TFillStyle { fsSurface = 0, fsBorder = 1 };

struct TPen {
    TColor Color = clBlack;
};

struct TBrush {
    TColor Color = clWhite;
};

// Pixel-exact drawing on a 32-bit raster, with colours as 0x00BBGGRR. Lines
// are one pixel wide, figures are clipped at the raster's edges, and a read
// outside the raster gives CLR_INVALID. Drawing operations end by raising
// OnChange with the rectangle of the raster they may have changed, fills even
// when they changed nothing (with an empty rectangle then).
class TCanvas {
public:
    // The raster must be in Format_RGB32 and outlive the canvas.
    explicit TCanvas(QImage& raster);
    // One canvas a raster, whose owner hears of every change through it.
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }

    TPen Pen;
    TBrush Brush;
    QPoint PenPos;

    // Outline columns x1 and x2 - 1 and rows y1 and y2 - 1 in the pen colour,
    // the inside in the brush colour.
    void Rectangle(int x1, int y1, int x2, int y2);
    void MovePenTo(int x, int y);
    // From PenPos up to, not including, (x, y); PenPos moves there.
    void LineTo(int x, int y);
    // fsBorder: fills the 4-connected region around (x, y) that does not have
    // the given colour; fsSurface: the region that has it. Nothing changes when
    // (x, y) is outside the raster or not in such a region. Returns the
    // region's bounding rectangle, empty when nothing was filled.
    QRect FillToBorder(int x, int y, TColor color, TFillStyle style);
    // Fills rect, clipped to the raster, with the brush colour.
    void FillRect(const QRect& rect);
    // Operations between BeginUpdate and the matching EndUpdate raise no
    // OnChange of their own; the outermost EndUpdate raises one for the union
    // of their rectangles, when any ran.
    void BeginUpdate() { ++FUpdateDepth; }
    void EndUpdate();
    // BeginUpdate for its lifetime: the change is raised even when a drawing
    // in between throws.
    class TUpdateScope {
    public:
        explicit TUpdateScope(TCanvas& canvas) : FCanvas(canvas) { FCanvas.BeginUpdate(); }
        ~TUpdateScope() { FCanvas.EndUpdate(); }
        TUpdateScope(const TUpdateScope&) = delete;
        TUpdateScope& operator=(const TUpdateScope&) = delete;

    private:
        TCanvas& FCanvas;
    };
    // Changes with every drawing operation; no two canvases share a value, so
    // an equal version means an untouched raster.
    std::uint64_t Version() const { return FVersion; }

    bool Contains(int x, int y) const
    {
        return static_cast<unsigned>(x) < static_cast<unsigned>(FWidth) &&
               static_cast<unsigned>(y) < static_cast<unsigned>(FHeight);
    }

    TColor PixelAt(int x, int y) const
    {
        return Contains(x, y) ? FromPixel(Line(y)[x]) : CLR_INVALID;
    }

    // One row of the raster, for scans that test many of its pixels. A row
    // outside the raster, and any x outside it, has none of the colours.
    class TPixelRow {
    public:
        // PixelAt(x, y) == rgb for a plain 0x00BBGGRR colour. Between
        // operations every pixel is opaque, so the whole word compares.
        bool Is(int x, TColor rgb) const
        {
            return static_cast<unsigned>(x) < FWidth &&
                   FPixels[x] == (0xFF000000u | SwapRedBlue(rgb));
        }

    private:
        friend class TCanvas;
        TPixelRow(const std::uint32_t* pixels, unsigned width) : FPixels(pixels), FWidth(width) {}

        const std::uint32_t* FPixels;
        unsigned FWidth;
    };

    TPixelRow Row(int y) const
    {
        if (!Contains(0, y))
            return TPixelRow(FPixels, 0);
        return TPixelRow(Line(y), static_cast<unsigned>(FWidth));
    }

    std::function<void(const QRect& area)> OnChange;

private:
    // 0x00BBGGRR and the raster's 0xAARRGGBB differ by the order of red and blue.
    static constexpr std::uint32_t SwapRedBlue(std::uint32_t value)
    {
        return ((value & 0xFF) << 16) | (value & 0xFF00FF00) | ((value >> 16) & 0xFF);
    }
    static TColor FromPixel(std::uint32_t pixel) { return SwapRedBlue(pixel) & 0xFFFFFF; }
    static std::uint32_t ToPixel(TColor color)
    {
        return 0xFF000000u | SwapRedBlue(ColorToRGB(color));
    }

    void SetPixel(int x, int y, std::uint32_t pixel);
    // Fills area, which lies inside the raster.
    void Fill(const QRect& area, std::uint32_t pixel);
    std::uint32_t* Line(int y) const { return FPixels + static_cast<std::size_t>(y) * FStride; }
    // Fills any region with a scanline fill; boxFillable is the same test for
    // a raster without taken pixels.
    // Returns the filled region's bounding rectangle.
    template <class BoxFillable, class Fillable>
    QRect FloodFill(int x, int y, BoxFillable boxFillable, Fillable fillable);
    // Fills a region that is a rectangle, rows of equal spans between closed
    // rows, with the least reading; false when the region has another shape,
    // leaving what it painted fillable. Sets box to the region.
    template <class Fillable>
    bool FillBox(int x, int y, std::uint32_t brush, Fillable fillable, QRect& box);
    void Changed(const QRect& area);
    // The part of area inside the raster.
    QRect Clipped(const QRect& area) const;

    std::uint32_t* FPixels;
    int FWidth;
    int FHeight;
    int FStride;

    // Fill bookkeeping. The raster's alpha byte is always 0xFF; a fill clears
    // it on the pixels it has taken and sets it again on its spans at the end.
    struct TSpan {
        int Left;
        int Right;
        int Y;
    };
    std::vector<QPoint> FFillSeeds;
    std::vector<TSpan> FFillSpans;

    std::uint64_t FVersion;
    int FUpdateDepth = 0;
    bool FUpdateRan = false;
    // What the operations since BeginUpdate changed.
    QRect FUpdateArea;
};
