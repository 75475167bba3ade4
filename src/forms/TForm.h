#pragma once

#include "forms/TPropertyReader.h"
#include "forms/TWinControl.h"

#include <cstdint>
#include <vector>

class QWindow;

// A window message as the framework hands it to WndProc.
struct TMessage {
    unsigned Msg;
    std::uintptr_t WParam;
    std::intptr_t LParam;
    std::intptr_t Result;
};

constexpr unsigned WM_SIZE = 0x0005;
constexpr unsigned WM_ACTIVATE = 0x0006;
constexpr unsigned WM_CANCELMODE = 0x001F;
constexpr std::uintptr_t SIZE_RESTORED = 0;
constexpr std::uintptr_t SIZE_MINIMIZED = 1;
constexpr std::uintptr_t SIZE_MAXIMIZED = 2;
constexpr std::uintptr_t WA_INACTIVE = 0;
constexpr std::uintptr_t WA_ACTIVE = 1;
constexpr std::uintptr_t WA_CLICKACTIVE = 2;

// A top-level window built from the descriptions of its class chain.
//
// C++ constructors cannot reach the virtuals of a derived class, so a form is
// made in two steps: the constructor sets the defaults, and Create() reads the
// descriptions (base class first), binds fields and handlers, notifies the
// components, runs Constructed() and last the OnCreate handler.
// TApplication::CreateForm does both.
//
// A form class is a Q_OBJECT: its description is the resource named after it
// in upper case, and descriptions bind its Q_INVOKABLE handlers and its
// component fields, Q_PROPERTYs, by name.
class TForm : public TWinControl {
    Q_OBJECT

public:
    explicit TForm(TComponent* owner);
    // A bare form: Create() reads no description and runs no constructor body
    // or creation event.
    TForm(TComponent* owner, int);

    // Raises EResNotFound when no class of the chain has a description, and
    // EReadError for a description it cannot read.
    void Create();
    // The form's classes, its own first, then its bases down to TForm: where
    // its descriptions, handlers and fields are looked up.
    std::vector<const QMetaObject*> FormClasses() const;

    int ClientWidth() const { return Width(); }
    void SetClientWidth(int width) { SetWidth(width); }
    int ClientHeight() const { return Height(); }
    void SetClientHeight(int height) { SetHeight(height); }

    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle style);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons icons);
    void SetPosition(TPosition position) { FPosition = position; }
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState state);

    // The control that got the focus when the window was first shown.
    TWinControl* ActiveControl() const { return FActiveControl; }

    void SetVisible(bool visible) override;
    // Shows the window; the first showing centres a poScreenCenter form and
    // focuses the first tab stop that can take the focus.
    void Show();
    // The main form asks the application to quit; other forms hide.
    void Close();
    // Where the platform cannot place windows itself (Wayland), hands an
    // interactive move or resize to the compositor; false elsewhere or when
    // the compositor declines.
    bool StartSystemMove();
    bool StartSystemResize(Qt::Edges edges);

    // Every change of bounds by code passes the size through OnCanResize
    // first (not while a description is read): a refused size keeps the
    // present one, the position changes all the same.
    void SetBounds(int left, int top, int width, int height) override;
    void CancelMode() override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TCanResizeEvent OnCanResize;

    void AddProperties(TPropertySetters& setters) const override;
    void SetEvent(const QString& name, const TBoundMethod& method) override;

    // Sees every translated window message after the framework's own handling.
    virtual void WndProc(TMessage&) {}

protected:
    // The class's constructor body: runs after all descriptions are read.
    virtual void Constructed() {}

    QAccessible::Role AccessibleRole() const override { return QAccessible::Window; }
    QString AccessibleText() const override { return Caption(); }
    void TextChanged() override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ReadDescription(const QByteArray& description);
    void NotifyLoaded();
    void CenterOnScreen();
    // Makes the window visible as its WindowState says.
    void ShowInState();
    void SelectFirst();
    void ApplyWindowFlags();
    void Perform(unsigned message, std::uintptr_t wParam);
    std::uintptr_t SizeType() const;
    // Passes a proposed size through OnCanResize: it becomes the size the
    // handler settles on, or the present size where the handler refuses.
    void CheckSize(int& width, int& height);
    // The native window when the compositor, not the program, places windows.
    QWindow* CompositorWindow() const;
    // The window system changed the window's geometry: the size passes the
    // check like any other, and the window is put back where it refuses.
    void AdoptSystemBounds();

    TBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons = biSystemMenu | biMinimize | biMaximize;
    TPosition FPosition = poDesigned;
    TWindowState FWindowState = wsNormal;
    TWinControl* FActiveControl = nullptr;
    bool FBare = false;
    bool FShownBefore = false;
    bool FReading = false;
    int FPendingClientWidth = -1;
    int FPendingClientHeight = -1;
};
