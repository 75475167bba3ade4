#include "forms/TPanel.h"

#include "forms/TPropertyReader.h"

#include <QPainter>

namespace {

TBevelCut ToBevel(const QString& value)
{
    return static_cast<TBevelCut>(PropertyText::ToIdent(
        value, {{"bvNone", bvNone}, {"bvLowered", bvLowered}, {"bvRaised", bvRaised},
                {"bvSpace", bvSpace}}));
}

// Draws a one-bevel frame inside rect and returns the rectangle inside it.
QRect DrawBevel(QPainter& painter, QRect rect, TBevelCut cut, int width)
{
    if (cut == bvNone)
        return rect;
    const QColor light = ToQColor(clBtnHighlight);
    const QColor dark = ToQColor(clBtnShadow);
    const QColor topLeft = cut == bvRaised ? light : cut == bvLowered ? dark : QColor();
    const QColor bottomRight = cut == bvRaised ? dark : cut == bvLowered ? light : QColor();
    for (int i = 0; i < width; ++i) {
        if (topLeft.isValid()) {
            painter.fillRect(rect.left(), rect.top(), rect.width(), 1, topLeft);
            painter.fillRect(rect.left(), rect.top(), 1, rect.height(), topLeft);
            painter.fillRect(rect.left(), rect.bottom(), rect.width(), 1, bottomRight);
            painter.fillRect(rect.right(), rect.top(), 1, rect.height(), bottomRight);
        }
        rect.adjust(1, 1, -1, -1);
    }
    return rect;
}

} // namespace

TPanel::TPanel(TComponent* owner) : TWinControl(owner)
{
    SetColor(clBtnFace);
}

void TPanel::SetBevelOuter(TBevelCut bevel)
{
    FBevelOuter = bevel;
    BordersChanged();
}

void TPanel::SetBevelInner(TBevelCut bevel)
{
    FBevelInner = bevel;
    BordersChanged();
}

void TPanel::SetBevelWidth(int width)
{
    FBevelWidth = std::max(width, 1);
    BordersChanged();
}

void TPanel::SetBorderWidth(int width)
{
    FBorderWidth = std::max(width, 0);
    BordersChanged();
}

void TPanel::BordersChanged()
{
    AlignControls();
    update();
}

QRect TPanel::ChildArea() const
{
    int inset = FBorderWidth;
    if (FBevelOuter != bvNone)
        inset += FBevelWidth;
    if (FBevelInner != bvNone)
        inset += FBevelWidth;
    return TWinControl::ChildArea().adjusted(inset, inset, -inset, -inset);
}

void TPanel::SetProperty(const QString& name, const QString& value)
{
    using namespace PropertyText;
    static const TPropertySetters<TPanel> setters = {
        {"BevelOuter", [](TPanel& p, const QString& v) { p.SetBevelOuter(ToBevel(v)); }},
        {"BevelInner", [](TPanel& p, const QString& v) { p.SetBevelInner(ToBevel(v)); }},
        {"BevelWidth", [](TPanel& p, const QString& v) { p.SetBevelWidth(ToInt(v)); }},
        {"BorderWidth", [](TPanel& p, const QString& v) { p.SetBorderWidth(ToInt(v)); }},
    };
    if (!ApplyProperty(setters, *this, name, value))
        TWinControl::SetProperty(name, value);
}

void TPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(Color()));
    QRect inner = DrawBevel(painter, rect(), FBevelOuter, FBevelWidth);
    inner = inner.adjusted(FBorderWidth, FBorderWidth, -FBorderWidth, -FBorderWidth);
    inner = DrawBevel(painter, inner, FBevelInner, FBevelWidth);
    if (!Caption().isEmpty()) {
        painter.setPen(ToQColor(Font().Color));
        painter.drawText(inner, Qt::AlignCenter | Qt::TextSingleLine, Caption());
    }
}
