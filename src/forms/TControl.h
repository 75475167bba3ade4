#pragma once

#include "forms/Enums.h"
#include "forms/Events.h"
#include "forms/TColor.h"
#include "forms/TComponent.h"
#include "forms/TFont.h"
#include "forms/TPropertyReader.h"

#include <QAccessible>
#include <QWidget>

#include <optional>

class TWinControl;

// A visible element of a form: bounds in its parent's client coordinates,
// alignment and anchors, visibility, font, colour, hint, cursor and the mouse
// events. A Qt widget underneath; the bounds here are the truth and the widget
// follows them.
class TControl : public QWidget, public TComponent {
    Q_OBJECT

public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return FParent; }
    void SetParent(TWinControl* parent);

    int Left() const { return FBounds.x(); }
    int Top() const { return FBounds.y(); }
    int Width() const { return FBounds.width(); }
    int Height() const { return FBounds.height(); }
    QRect BoundsRect() const { return FBounds; }
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
    void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }
    // A negative size counts as 0; positions and sizes past QWIDGETSIZE_MAX,
    // either way, are cut to it.
    virtual void SetBounds(int left, int top, int width, int height);

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign align);
    void SetAnchors(TAnchors anchors);

    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool visible);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);

    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor cursor);

    const QString& Hint() const { return FHint; }
    void SetHint(const QString& hint);
    void SetShowHint(bool showHint);
    void SetParentShowHint(bool parentShowHint);
    // Whether the hint shows: the control's own setting or, with
    // ParentShowHint, its parent's.
    bool EffectiveShowHint() const;

    // The parent's font while ParentFont is set.
    const TFont& Font() const;
    void SetFont(const TFont& font);
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool parentFont);

    // The parent's colour while ParentColor is set.
    TColor Color() const;
    void SetColor(TColor color);
    void SetParentColor(bool parentColor);

    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& caption);

    // What a screen reader calls the control and says of it, where its own
    // caption or hint does not tell.
    virtual void SetAccessibleName(const QString& name);
    void SetAccessibleDescription(const QString& description);

    void SendToBack();
    // Invalidates the control and paints it before returning, if it shows.
    void Repaint();

    QPoint ScreenToClient(QPoint screenPoint) const;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

    virtual void Click();

    // Ends a mouse capture, as a cancel-mode message does.
    virtual void CancelMode();
    bool MouseCapture() const { return FMouseCapture; }

    // Description reading: unknown names raise EReadError.
    void SetProperty(const QString& name, const QString& value);
    // The names SetProperty takes.
    QStringList PropertyNames() const;
    // Adds the properties the class takes to its bases' ones; a class's own
    // setter replaces a base's of the same name. A class that overrides this
    // declares Q_OBJECT: the tables are kept by meta-object.
    virtual void AddProperties(TPropertySetters& setters) const;
    virtual void SetEvent(const QString& name, const TBoundMethod& method);
    // A picture property: the graphic's class and its file.
    virtual void SetGraphicProperty(const QString& name, const QString& graphicClass,
                                    const QByteArray& data);
    void Loaded() override;

    // Called when the parent's client size changes, for anchored controls.
    void ApplyAnchors(QSize parentSize);

protected:
    friend class TWinControl;
    friend class TAccessibleControl;
    // How assistive technology presents the control, and the name its own
    // text gives it: a nameless filler unless a class says more.
    virtual QAccessible::Role AccessibleRole() const { return QAccessible::Client; }
    virtual QString AccessibleText() const { return QString(); }
    void NotifyAccessible(QAccessible::Event change);
    virtual void Resized() {}
    virtual void TextChanged() { update(); }
    virtual void FontChanged();
    void RequestAlign();
    // Takes bounds that the window system has already applied to the widget.
    void AdoptWindowBounds(QRect bounds);

    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void UpdateToolTip();
    // A press, or the second press of a double-click.
    void Press(const QMouseEvent& event, bool doubleClick);
    void Capture();
    bool HearsMouseAt(QPoint at) const;
    void ReleaseCapture();
    void RememberAnchorOrigin();
    const TPropertySetters& Properties() const;

    TWinControl* FParent = nullptr;
    QRect FBounds;
    TAlign FAlign = alNone;
    TAnchors FAnchors = akLeft | akTop;
    // The bounds and parent size that anchored edges keep their distances to.
    QRect FAnchorBounds;
    QSize FAnchorParentSize;
    bool FApplyingAnchors = false;
    bool FVisible = true;
    bool FEnabled = true;
    TCursor FCursor = crDefault;
    QString FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TFont FFont;
    bool FParentFont = true;
    TColor FColor = clWindow;
    bool FParentColor = true;
    QString FCaption;
    static constexpr int DoubleClickDistance = 2;
    // Where the last press of this control was, on the screen.
    std::optional<QPoint> FLastPress;
    bool FMouseCapture = false;
    bool FClickPending = false;
};
