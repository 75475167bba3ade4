#pragma once

#include "forms/Enums.h"
#include "forms/Events.h"
#include "forms/TColor.h"
#include "forms/TComponent.h"
#include "forms/TFont.h"

#include <QAccessible>
#include <QWidget>

#include <optional>

class TWinControl;

// A visible element of a form: bounds in its parent's client coordinates,
// alignment and anchors, visibility, font, colour, hint, cursor and the mouse
// events. A Qt widget underneath; the bounds here are the truth and the widget
// follows them.
//
// What a description may set is a Q_PROPERTY of the control's class, and each
// event a description may bind is a signal named after it ("OnClick").
class TControl : public QWidget, public TComponent {
    Q_OBJECT
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(Forms::TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(Forms::TAnchors Anchors MEMBER FAnchors WRITE SetAnchors)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(Forms::TCursor Cursor READ Cursor WRITE SetCursor)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(bool ShowHint MEMBER FShowHint WRITE SetShowHint)
    Q_PROPERTY(bool ParentShowHint MEMBER FParentShowHint WRITE SetParentShowHint)
    Q_PROPERTY(TFont Font READ Font WRITE SetFont)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(bool ParentColor MEMBER FParentColor WRITE SetParentColor)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QString AccessibleName READ accessibleName WRITE SetAccessibleName)

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

    virtual void Click();
    // Whether anything hears OnClick.
    bool HandlesClicks() const;

    // Ends a mouse capture, as a cancel-mode message does; the error report
    // cancels the mode of the control that holds the capture.
    virtual void CancelMode();
    bool MouseCapture() const { return FMouseCapture; }
    // The control a left press captured the mouse for, until its release or a
    // cancelled mode; none between.
    static TControl* CaptureControl() { return FCaptureControl; }

    void Loaded() override;

    // Called when the parent's client size changes, for anchored controls.
    void ApplyAnchors(QSize parentSize);

signals:
    void OnClick(TComponent* Sender);
    void OnDblClick(TComponent* Sender);
    void OnMouseDown(TComponent* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void OnMouseUp(TComponent* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void OnMouseMove(TComponent* Sender, TShiftState Shift, int X, int Y);

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

    static inline TControl* FCaptureControl = nullptr;

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
