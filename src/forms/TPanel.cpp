#include "forms/TPanel.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <array>
#include <utility>

namespace {

// A run of pixels along one axis, first to last.
struct TSpan {
    int First;
    int Last;
};

// The pixels QPainter::fillRect covers along one axis from start with the
// given extent; a negative extent reaches back from start.
TSpan Covered(int start, int extent)
{
    return extent >= 0 ? TSpan{start, start + extent - 1} : TSpan{start + extent, start - 1};
}

void FillWithin(QPainter& painter, QRect area, TSpan xs, TSpan ys, const QColor& color)
{
    const QRect part = QRect(QPoint(xs.First, ys.First), QPoint(xs.Last, ys.Last)) & area;
    if (!part.isEmpty())
        painter.fillRect(part, color);
}

// Draws a one-bevel frame inside rect and returns the rectangle inside it.
// Ring k is drawn as the rectangle moved in by k, with its top and left edges
// in one colour and its bottom and right edges in the other; past the middle
// the rectangle turns inside out and the edges keep being filled as
// QPainter::fillRect reads negative sizes. Only the rings with an edge in
// area, the part being painted, are drawn, so the cost does not grow with the
// bevel's width.
QRect DrawBevel(QPainter& painter, QRect area, QRect rect, TBevelCut cut, int width)
{
    if (cut == bvNone)
        return rect;
    const QColor light = ToQColor(clBtnHighlight);
    const QColor dark = ToQColor(clBtnShadow);
    const QColor topLeft = cut == bvRaised ? light : cut == bvLowered ? dark : QColor();
    const QColor bottomRight = cut == bvRaised ? dark : cut == bvLowered ? light : QColor();
    if (topLeft.isValid() && !area.isEmpty()) {
        const int left = rect.left();
        const int top = rect.top();
        const int right = rect.right();
        const int bottom = rect.bottom();
        // The rings whose top, bottom, left or right edge lies within area.
        std::array<std::pair<int, int>, 4> rings = {{
            {area.top() - top, area.bottom() - top},
            {bottom - area.bottom(), bottom - area.top()},
            {area.left() - left, area.right() - left},
            {right - area.right(), right - area.left()},
        }};
        std::sort(rings.begin(), rings.end());
        int next = 0;
        for (const auto& [first, last] : rings) {
            const int end = std::min(last, width - 1);
            for (int k = std::max(first, next); k <= end; ++k) {
                const int ringWidth = right - left + 1 - 2 * k;
                const int ringHeight = bottom - top + 1 - 2 * k;
                const TSpan across = Covered(left + k, ringWidth);
                const TSpan down = Covered(top + k, ringHeight);
                FillWithin(painter, area, across, {top + k, top + k}, topLeft);
                FillWithin(painter, area, {left + k, left + k}, down, topLeft);
                FillWithin(painter, area, across, {bottom - k, bottom - k}, bottomRight);
                FillWithin(painter, area, {right - k, right - k}, down, bottomRight);
            }
            next = std::max(next, end + 1);
        }
    }
    return rect.adjusted(width, width, -width, -width);
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

void TPanel::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(Color()));
    const QRect area = event->rect() & rect();
    QRect inner = DrawBevel(painter, area, rect(), FBevelOuter, FBevelWidth);
    inner = inner.adjusted(FBorderWidth, FBorderWidth, -FBorderWidth, -FBorderWidth);
    inner = DrawBevel(painter, area, inner, FBevelInner, FBevelWidth);
    if (!Caption().isEmpty()) {
        painter.setPen(ToQColor(Font().Color));
        painter.drawText(inner, Qt::AlignCenter | Qt::TextSingleLine, Caption());
    }
}
