#include "forms/TBitmap.h"

#include "forms/Exceptions.h"
#include "forms/TCanvas.h"

#include <QPainter>

TBitmap::TBitmap(int width, int height)
{
    if (width > 0 && height > 0) {
        FImage = QImage(width, height, QImage::Format_RGB32);
        if (FImage.isNull())
            throw EOutOfResources(QStringLiteral("Out of system resources"));
        FImage.fill(Qt::white);
    }
}

TBitmap::~TBitmap() = default;

void TBitmap::Draw(QPainter& painter) const
{
    painter.drawImage(QPoint(0, 0), FImage);
}

TCanvas& TBitmap::Canvas()
{
    if (!FCanvas) {
        FCanvas = std::make_unique<TCanvas>(FImage);
        FCanvas->OnChange = [this] { Changed(); };
    }
    return *FCanvas;
}
