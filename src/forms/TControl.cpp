#include "forms/TControl.h"

#include "forms/Exceptions.h"
#include "forms/TAccessibleControl.h"
#include "forms/TApplication.h"
#include "forms/TPropertyReader.h"
#include "forms/TWinControl.h"

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

// A setter of one member of a control's font, for "Font.…" properties.
template <class Apply> auto FontSetter(Apply apply)
{
    return [apply](TControl& control, const QString& value) {
        TFont font = control.Font();
        apply(font, value);
        control.SetFont(font);
    };
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
    if (Application && Application->CaptureControl() == this)
        Application->SetCaptureControl(nullptr);
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
    // read into (PropertyText::ToPixels), here where they all pass.
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
    if (OnClick)
        OnClick(this);
}

void TControl::CancelMode()
{
    const bool wasDown = FMouseCapture;
    ReleaseCapture();
    if (wasDown && OnMouseUp)
        OnMouseUp(this, mbLeft, 0, -1, -1);
}

void TControl::Capture()
{
    FMouseCapture = true;
    Application->SetCaptureControl(this);
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
    if (Application && Application->CaptureControl() == this)
        Application->SetCaptureControl(nullptr);
}

void TControl::SetProperty(const QString& name, const QString& value)
{
    const TPropertySetters& setters = Properties();
    const auto found = setters.find(name);
    if (found == setters.end())
        throw EReadError(QStringLiteral("Property %1 does not exist").arg(name));
    found->second(*this, value);
}

QStringList TControl::PropertyNames() const
{
    QStringList names;
    for (const auto& entry : Properties())
        names << entry.first;
    return names;
}

const TPropertySetters& TControl::Properties() const
{
    // One table a class, made when a control of the class first reads one.
    static std::map<const QMetaObject*, TPropertySetters> byClass;
    TPropertySetters& setters = byClass[metaObject()];
    if (setters.empty())
        AddProperties(setters);
    return setters;
}

void TControl::AddProperties(TPropertySetters& setters) const
{
    using namespace PropertyText;
    TSettersOf<TControl> add(setters);
    add("Left", [](TControl& c, const QString& v) { c.SetLeft(ToPixels(v)); });
    add("Top", [](TControl& c, const QString& v) { c.SetTop(ToPixels(v)); });
    add("Width", [](TControl& c, const QString& v) { c.SetWidth(ToPixels(v)); });
    add("Height", [](TControl& c, const QString& v) { c.SetHeight(ToPixels(v)); });
    add("Align", [](TControl& c, const QString& v) { c.SetAlign(ToIdent<TAlign>(v)); });
    add("Anchors", [](TControl& c, const QString& v) { c.SetAnchors(ToSet<TAnchorKind>(v)); });
    add("Visible", [](TControl& c, const QString& v) { c.SetVisible(ToBool(v)); });
    add("Enabled", [](TControl& c, const QString& v) { c.SetEnabled(ToBool(v)); });
    add("Cursor", [](TControl& c, const QString& v) { c.SetCursor(ToIdent<TCursor>(v)); });
    add("Hint", [](TControl& c, const QString& v) { c.SetHint(v); });
    add("ShowHint", [](TControl& c, const QString& v) { c.SetShowHint(ToBool(v)); });
    add("ParentShowHint", [](TControl& c, const QString& v) { c.SetParentShowHint(ToBool(v)); });
    add("ParentFont", [](TControl& c, const QString& v) { c.SetParentFont(ToBool(v)); });
    add("ParentColor", [](TControl& c, const QString& v) { c.SetParentColor(ToBool(v)); });
    add("Color", [](TControl& c, const QString& v) { c.SetColor(ToColor(v)); });
    add("Caption", [](TControl& c, const QString& v) { c.SetCaption(v); });
    add("AccessibleName", [](TControl& c, const QString& v) { c.SetAccessibleName(v); });
    add("Font.Name", FontSetter([](TFont& f, const QString& v) { f.Name = v; }));
    add("Font.Height", FontSetter([](TFont& f, const QString& v) { f.Height = ToPixels(v); }));
    add("Font.Charset", FontSetter([](TFont& f, const QString& v) { f.Charset = v; }));
    add("Font.Color", FontSetter([](TFont& f, const QString& v) { f.Color = ToColor(v); }));
    add("Font.Style",
        FontSetter([](TFont& f, const QString& v) { f.Style = ToSet<TFontStyle>(v); }));
}

void TControl::SetEvent(const QString& name, const TBoundMethod& method)
{
    using PropertyText::Required;
    if (name == QLatin1String("OnClick"))
        OnClick = Required(method.Notify);
    else if (name == QLatin1String("OnDblClick"))
        OnDblClick = Required(method.Notify);
    else if (name == QLatin1String("OnMouseDown"))
        OnMouseDown = Required(method.Mouse);
    else if (name == QLatin1String("OnMouseUp"))
        OnMouseUp = Required(method.Mouse);
    else if (name == QLatin1String("OnMouseMove"))
        OnMouseMove = Required(method.MouseMove);
    else
        throw EReadError(QStringLiteral("Property %1 does not exist").arg(name));
}

void TControl::SetGraphicProperty(const QString& name, const QString&, const QByteArray&)
{
    throw EReadError(QStringLiteral("Property %1 does not exist").arg(name));
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
    Application->Guard([&] {
        if (event.button() == Qt::LeftButton) {
            Capture();
            FClickPending = !doubleClick;
            if (doubleClick && OnDblClick)
                OnDblClick(this);
        }
        if (OnMouseDown)
            OnMouseDown(this, ButtonOf(event),
                        ShiftStateOf(event) | (doubleClick ? TShiftState(ssDouble) : 0), at.x(),
                        at.y());
    });
}

void TControl::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (!HearsMouseAt(at))
        return;
    Application->Guard([&] {
        if (OnMouseMove)
            OnMouseMove(this, ShiftStateOf(*event), at.x(), at.y());
    });
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
    Application->Guard([&] {
        if (click)
            Click();
        if (OnMouseUp)
            OnMouseUp(this, ButtonOf(*event), ShiftStateOf(*event), at.x(), at.y());
    });
}
