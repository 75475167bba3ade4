// TBitmap::LoadFromData on any bytes: a 32-bit raster the canvas can work on,
// or EInvalidGraphic with the previous raster kept, nothing else.
#include "FuzzApplication.h"

#include "forms/Exceptions.h"
#include "forms/TBitmap.h"
#include "forms/TCanvas.h"

#include <QPainter>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    StartFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TBitmap bitmap(2, 1);
    bitmap.Canvas();
    int changes = 0;
    QRect changed;
    bitmap.OnChange = [&changes, &changed](const QRect& area) {
        ++changes;
        changed = area;
    };
    try {
        bitmap.LoadFromData(QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                                    static_cast<qsizetype>(size)));
    } catch (const EInvalidGraphic&) {
        if (bitmap.Width() != 2 || bitmap.Height() != 1 || changes != 0 ||
            bitmap.Canvas().PixelAt(1, 0) != clWhite)
            FuzzFailure("a BMP that did not load changed the bitmap");
        return 0;
    }
    if (changes != 1 || !changed.contains(QRect(0, 0, bitmap.Width(), bitmap.Height())))
        FuzzFailure("a loaded BMP did not report one change of the whole picture");
    if (bitmap.Width() <= 0 || bitmap.Height() <= 0 ||
        bitmap.Image().format() != QImage::Format_RGB32)
        FuzzFailure("a loaded BMP is empty or not in Format_RGB32");
    TCanvas& canvas = bitmap.Canvas();
    if (canvas.Width() != bitmap.Width() || canvas.Height() != bitmap.Height())
        FuzzFailure("the canvas does not cover the loaded BMP");
    const TColor last = canvas.PixelAt(bitmap.Width() - 1, bitmap.Height() - 1);
    if (last == CLR_INVALID || canvas.PixelAt(0, 0) == CLR_INVALID)
        FuzzFailure("a pixel of the loaded BMP reads as outside it");
    // A small drawing on the loaded raster, and drawing it.
    canvas.Pen.Color = clBlack;
    canvas.Rectangle(0, 0, 3, 3);
    QImage target(8, 8, QImage::Format_RGB32);
    QPainter painter(&target);
    bitmap.Draw(painter);
    return 0;
}
