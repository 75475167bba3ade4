#include "forms/TControl.h"

#include "forms/Guard.h"
#include "forms/TAccessibleControl.h"
#include "forms/TWinControl.h"

#include <QMetaMethod>
#include <QMouseEvent>

#include <algorithm>
#include <cstdlib>

namespace {

TShiftState ShiftStateOf(const QMouseEvent& event)
{
    TShiftState shift = 0;
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers & Qt::ShiftModifier)
        shift |= ssShift;
    if (modifiers & Qt::AltModifier)
        shift |= ssAlt;
    if (modifiers & Qt::ControlModifier)
        shift |= ssCtrl;
    const Qt::MouseButtons buttons = event.buttons() | event.button();
    if (buttons & Qt::LeftButton)
        shift |= ssLeft;
    if (buttons & Qt::RightButton)
        shift |= ssRight;
    if (buttons & Qt::MiddleButton)
        shift |= ssMiddle;
    return shift;
}

TMouseButton ButtonOf(const QMouseEvent& event)
{
    switch (event.button()) {
    case Qt::RightButton:
        return mbRight;
    case Qt::MiddleButton:
        return mbMiddle;
    default:
        return mbLeft;
    }
}

Qt::CursorShape ToQtCursor(TCursor cursor)
{
    switch (cursor) {
    case crSizeNESW:
        return Qt::SizeBDiagCursor;
    case crSizeNS:
        return Qt::SizeVerCursor;
    case crSizeNWSE:
        return Qt::SizeFDiagCursor;
    case crSizeWE:
        return Qt::SizeHorCursor;
    case crHandPoint:
        return Qt::PointingHandCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

TControl::TControl(TComponent* owner) : TComponent(owner)
{
    // Mouse events stop at the control under the mouse, as window messages do.
    setAttribute(Qt::WA_NoMousePropagation);
    TAccessibleControl::Install();
}

TControl::~TControl()
{
    ReleaseCapture();
    if (FParent)
        FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == FParent)
        return;
    if (FParent)
        FParent->RemoveControl(this);
    FParent = parent;
    setParent(parent);
    if (FParent) {
        setGeometry(FBounds);
        setVisible(FVisible);
        RememberAnchorOrigin();
        FParent->InsertControl(this);
        FontChanged();
        UpdateToolTip();
    }
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    // Bounds that code works out get the range a description's numbers are
    // read into (PropertyText), here where they all pass.
    const QRect bounds(std::clamp(left, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX),
                       std::clamp(top, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX),
                       std::clamp(width, 0, QWIDGETSIZE_MAX),
                       std::clamp(height, 0, QWIDGETSIZE_MAX));
    if (bounds == FBounds)
        return;
    const bool resized = bounds.size() != FBounds.size();
    FBounds = bounds;
    setGeometry(FBounds);
    if (!FApplyingAnchors)
        RememberAnchorOrigin();
    if (resized)
        Resized();
    RequestAlign();
}

void TControl::AdoptWindowBounds(QRect bounds)
{
    const bool resized = bounds.size() != FBounds.size();
    FBounds = bounds;
    if (resized)
        Resized();
}

void TControl::SetAlign(TAlign align)
{
    if (align == FAlign)
        return;
    FAlign = align;
    RequestAlign();
}

void TControl::SetAnchors(TAnchors anchors)
{
    FAnchors = anchors;
}

void TControl::ApplyAnchors(QSize parentSize)
{
    if (FAlign != alNone || FAnchors == (akLeft | akTop) || !FAnchorParentSize.isValid())
        return;
    const int dx = parentSize.width() - FAnchorParentSize.width();
    const int dy = parentSize.height() - FAnchorParentSize.height();
    int left = FAnchorBounds.left();
    int top = FAnchorBounds.top();
    int width = FAnchorBounds.width();
    int height = FAnchorBounds.height();
    if (FAnchors & akRight) {
        if (FAnchors & akLeft)
            width += dx;
        else
            left += dx;
    }
    if (FAnchors & akBottom) {
        if (FAnchors & akTop)
            height += dy;
        else
            top += dy;
    }
    FApplyingAnchors = true;
    SetBounds(left, top, width, height);
    FApplyingAnchors = false;
}

void TControl::RememberAnchorOrigin()
{
    FAnchorBounds = FBounds;
    FAnchorParentSize = FParent ? FParent->BoundsRect().size() : QSize();
}

void TControl::Loaded()
{
    TComponent::Loaded();
    UpdateToolTip();
}

void TControl::SetVisible(bool visible)
{
    if (visible == FVisible)
        return;
    FVisible = visible;
    if (FParent)
        setVisible(visible);
    if (FAlign != alNone && FParent)
        FParent->AlignControls();
}

void TControl::SetEnabled(bool enabled)
{
    FEnabled = enabled;
    setEnabled(enabled);
}

void TControl::SetCursor(TCursor cursor)
{
    FCursor = cursor;
    if (cursor == crDefault)
        unsetCursor();
    else
        setCursor(ToQtCursor(cursor));
}

void TControl::SetHint(const QString& hint)
{
    FHint = hint;
    UpdateToolTip();
}

void TControl::SetShowHint(bool showHint)
{
    FShowHint = showHint;
    FParentShowHint = false;
    UpdateToolTip();
}

void TControl::SetParentShowHint(bool parentShowHint)
{
    FParentShowHint = parentShowHint;
    UpdateToolTip();
}

bool TControl::EffectiveShowHint() const
{
    if (FParentShowHint && FParent)
        return FParent->EffectiveShowHint();
    return FShowHint;
}

void TControl::UpdateToolTip()
{
    setToolTip(EffectiveShowHint() ? FHint : QString());
}

const TFont& TControl::Font() const
{
    return FParentFont && FParent ? FParent->Font() : FFont;
}

void TControl::SetFont(const TFont& font)
{
    FFont = font;
    FParentFont = false;
    FontChanged();
}

void TControl::SetParentFont(bool parentFont)
{
    if (!parentFont && FParentFont)
        FFont = Font();
    FParentFont = parentFont;
    FontChanged();
}

void TControl::FontChanged()
{
    const TFont& font = Font();
    setFont(font.ToQFont());
    // The disabled group keeps the style's own look, so a disabled control
    // shows that it is.
    QPalette colours = palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        for (const QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            colours.setColor(group, role, ToQColor(font.Color));
    setPalette(colours);
    update();
}

TColor TControl::Color() const
{
    return FParentColor && FParent ? FParent->Color() : FColor;
}

void TControl::SetColor(TColor color)
{
    FColor = color;
    FParentColor = false;
    update();
}

void TControl::SetParentColor(bool parentColor)
{
    if (!parentColor && FParentColor)
        FColor = Color();
    FParentColor = parentColor;
    update();
}

void TControl::SetCaption(const QString& caption)
{
    if (caption == FCaption)
        return;
    FCaption = caption;
    TextChanged();
}

void TControl::SetAccessibleName(const QString& name)
{
    setAccessibleName(name);
}

void TControl::SetAccessibleDescription(const QString& description)
{
    // Qt would announce even a description that stays the same.
    if (description != accessibleDescription())
        setAccessibleDescription(description);
}

void TControl::NotifyAccessible(QAccessible::Event change)
{
    QAccessibleEvent event(this, change);
    QAccessible::updateAccessibility(&event);
}

void TControl::SendToBack()
{
    lower();
}

void TControl::Repaint()
{
    if (isVisible())
        repaint();
}

QPoint TControl::ScreenToClient(QPoint screenPoint) const
{
    return mapFromGlobal(screenPoint);
}

void TControl::Click()
{
    emit OnClick(this);
}

bool TControl::HandlesClicks() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&TControl::OnClick));
}

void TControl::CancelMode()
{
    const bool wasDown = FMouseCapture;
    ReleaseCapture();
    if (wasDown)
        emit OnMouseUp(this, mbLeft, 0, -1, -1);
}

void TControl::Capture()
{
    FMouseCapture = true;
    FCaptureControl = this;
}

bool TControl::HearsMouseAt(QPoint at) const
{
    // Qt delivers to the pressed widget wherever the mouse goes; without the
    // capture of a left press a control hears only what happens over it.
    return FMouseCapture || rect().contains(at);
}

void TControl::ReleaseCapture()
{
    FMouseCapture = false;
    FClickPending = false;
    if (FCaptureControl == this)
        FCaptureControl = nullptr;
}

void TControl::RequestAlign()
{
    if (FParent)
        FParent->AlignControls();
}

void TControl::mousePressEvent(QMouseEvent* event)
{
    Press(*event, false);
}

void TControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Quick clicks on neighbouring spots (a board's cells are 5 pixels apart)
    // are two presses; only presses close together make a double-click.
    const QPoint offset = event->globalPosition().toPoint() - FLastPress.value_or(QPoint());
    Press(*event, !FLastPress ||
                      std::max(std::abs(offset.x()), std::abs(offset.y())) <= DoubleClickDistance);
}

void TControl::Press(const QMouseEvent& event, bool doubleClick)
{
    FLastPress = event.globalPosition().toPoint();
    const QPoint at = event.position().toPoint();
    Guard([&] {
        if (event.button() == Qt::LeftButton) {
            Capture();
            FClickPending = !doubleClick;
            if (doubleClick)
                emit OnDblClick(this);
        }
        emit OnMouseDown(this, ButtonOf(event),
                         ShiftStateOf(event) | (doubleClick ? TShiftState(ssDouble) : 0), at.x(),
                         at.y());
    });
}

void TControl::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (!HearsMouseAt(at))
        return;
    Guard([&] { emit OnMouseMove(this, ShiftStateOf(*event), at.x(), at.y()); });
}

void TControl::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const bool click = event->button() == Qt::LeftButton && FClickPending && rect().contains(at);
    const bool heard = HearsMouseAt(at);
    if (event->button() == Qt::LeftButton || !event->buttons())
        ReleaseCapture();
    if (!heard)
        return;
    Guard([&] {
        if (click)
            Click();
        emit OnMouseUp(this, ButtonOf(*event), ShiftStateOf(*event), at.x(), at.y());
    });
}
