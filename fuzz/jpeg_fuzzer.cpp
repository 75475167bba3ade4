// TJPEGImage::LoadFromData on any bytes: a picture within the limits or
// EInvalidGraphic with the previous picture kept, nothing else.
#include "FuzzApplication.h"

#include "forms/Exceptions.h"
#include "forms/TJPEGImage.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>

#include <cstddef>
#include <cstdint>

namespace {

// A 2 x 1 picture the target holds before each input, made by Qt's encoder.
const QByteArray& PreviousPicture()
{
    static const QByteArray data = [] {
        QImage image(2, 1, QImage::Format_RGB32);
        image.fill(qRgb(200, 40, 90));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        if (!writer.write(image))
            FuzzFailure("Qt cannot encode the starting JPEG");
        return bytes;
    }();
    return data;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    StartFuzzApplication();
    PreviousPicture();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TJPEGImage image;
    image.LoadFromData(PreviousPicture());
    int changes = 0;
    QRect changed;
    image.OnChange = [&changes, &changed](const QRect& area) {
        ++changes;
        changed = area;
    };
    try {
        image.LoadFromData(QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                                   static_cast<qsizetype>(size)));
    } catch (const EInvalidGraphic& error) {
        if (image.Width() != 2 || image.Height() != 1 || changes != 0)
            FuzzFailure("a JPEG that did not decode changed the picture");
        if (!error.Message().startsWith(QLatin1String("JPEG error: ")))
            FuzzFailure("a JPEG error without its prefix");
        return 0;
    }
    const long long width = image.Width();
    const long long height = image.Height();
    if (changes != 1 || !changed.contains(QRect(0, 0, image.Width(), image.Height())))
        FuzzFailure("a decoded JPEG did not report one change of the whole picture");
    if (width <= 0 || height <= 0 || width > TJPEGImage::MaxSide || height > TJPEGImage::MaxSide ||
        width * height > TJPEGImage::MaxPixels)
        FuzzFailure("a decoded JPEG outside the size limits");
    if (image.Image().format() != QImage::Format_RGB32)
        FuzzFailure("a decoded JPEG not in Format_RGB32");
    // Touch the first and the last pixel, and draw through the painter.
    (void)image.Image().pixel(0, 0);
    (void)image.Image().pixel(image.Width() - 1, image.Height() - 1);
    QImage target(8, 8, QImage::Format_RGB32);
    QPainter painter(&target);
    image.Draw(painter);
    return 0;
}
