#include "forms/TLabel.h"

#include <QFontMetrics>
#include <QPainter>

TLabel::TLabel(TComponent* owner) : TControl(owner)
{
    // An opaque label paints every pixel of its own: Qt need not paint what
    // lies beneath when only the label changes.
    setAttribute(Qt::WA_OpaquePaintEvent, !FTransparent);
}

void TLabel::SetAlignment(TAlignment alignment)
{
    FAlignment = alignment;
    update();
}

void TLabel::SetAutoSize(bool autoSize)
{
    FAutoSize = autoSize;
    AdjustSize();
}

void TLabel::SetTransparent(bool transparent)
{
    FTransparent = transparent;
    setAttribute(Qt::WA_OpaquePaintEvent, !FTransparent);
    update();
}

void TLabel::Loaded()
{
    TControl::Loaded();
    AdjustSize();
}

void TLabel::TextChanged()
{
    AdjustSize();
    update();
    // A status line is read as it changes.
    NotifyAccessible(QAccessible::NameChanged);
}

void TLabel::FontChanged()
{
    TControl::FontChanged();
    AdjustSize();
}

void TLabel::AdjustSize()
{
    if (!FAutoSize || Loading())
        return;
    const QFontMetrics metrics(Font().ToQFont());
    SetBounds(Left(), Top(), metrics.horizontalAdvance(Caption()), metrics.height());
}

void TLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!FTransparent)
        painter.fillRect(rect(), ToQColor(Color()));
    painter.setFont(Font().ToQFont());
    painter.setPen(isEnabled() ? ToQColor(Font().Color)
                               : palette().color(QPalette::Disabled, QPalette::WindowText));
    const Qt::Alignment horizontal = FAlignment == taCenter         ? Qt::AlignHCenter
                                     : FAlignment == taRightJustify ? Qt::AlignRight
                                                                    : Qt::AlignLeft;
    painter.drawText(rect(), horizontal | Qt::AlignTop | Qt::TextSingleLine, Caption());
}
