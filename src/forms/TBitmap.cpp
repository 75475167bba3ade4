#include "forms/TBitmap.h"

#include "forms/Exceptions.h"
#include "forms/TCanvas.h"

#include <QBuffer>
#include <QImageReader>

TBitmap::TBitmap(int width, int height)
{
    if (width > 0 && height > 0) {
        FImage = QImage(width, height, QImage::Format_RGB32);
        if (FImage.isNull())
            throw EOutOfResources(QStringLiteral("Out of system resources"));
        FImage.fill(Qt::white);
    }
}

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() = default;

TCanvas& TBitmap::Canvas()
{
    if (!FCanvas) {
        FCanvas = std::make_unique<TCanvas>(FImage);
        FCanvas->OnChange = [this](const QRect& area) { Changed(area); };
    }
    return *FCanvas;
}

std::unique_ptr<TGraphic> TBitmap::Clone() const
{
    auto copy = std::make_unique<TBitmap>();
    copy->FImage = FImage.copy();
    return copy;
}

void TBitmap::LoadFromData(const QByteArray& data)
{
    QByteArray bytes = data;
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "bmp");
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (image.isNull())
        throw EInvalidGraphic(
            QStringLiteral("Bitmap image is not valid: %1").arg(reader.errorString()));
    // The canvas works on the raster it was made for.
    FCanvas.reset();
    FImage = image.convertToFormat(QImage::Format_RGB32);
    Changed();
}
