#include "forms/TRasterGraphic.h"

#include <QPainter>

void TRasterGraphic::Draw(QPainter& painter) const
{
    painter.drawImage(QPoint(0, 0), FImage);
}
