#pragma once

#include "forms/TWinControl.h"

#include <vector>

class QWindow;

// A top-level window built from the descriptions of its class chain.
//
// C++ constructors cannot reach the virtuals of a derived class, so a form is
// made in two steps: the constructor sets the defaults, and Create() reads the
// descriptions (base class first), binds fields and handlers, notifies the
// components, runs Constructed() and last the OnCreate handler.
// TApplication::CreateForm does both.
//
// A form class is a Q_OBJECT: its description is the resource named after it
// in upper case, and descriptions bind its handlers, slots or Q_INVOKABLE
// methods, and its component fields, Q_PROPERTYs, by name.
class TForm : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(int ClientWidth READ ClientWidth WRITE SetClientWidth)
    Q_PROPERTY(int ClientHeight READ ClientHeight WRITE SetClientHeight)
    Q_PROPERTY(Forms::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(Forms::TBorderIcons BorderIcons READ BorderIcons WRITE SetBorderIcons)
    Q_PROPERTY(Forms::TPosition Position MEMBER FPosition WRITE SetPosition)
    Q_PROPERTY(Forms::TWindowState WindowState READ WindowState WRITE SetWindowState)
    // Stored by the designer; with the fonts used here nothing needs scaling.
    Q_PROPERTY(bool OldCreateOrder MEMBER FOldCreateOrder)
    Q_PROPERTY(int PixelsPerInch MEMBER FPixelsPerInch)
    Q_PROPERTY(int TextHeight MEMBER FTextHeight)

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

    // While a description is read, its client size waits for the end.
    int ClientWidth() const { return Width(); }
    void SetClientWidth(int width);
    int ClientHeight() const { return Height(); }
    void SetClientHeight(int height);

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

signals:
    void OnCreate(TComponent* Sender);
    void OnShow(TComponent* Sender);
    // Before a change of size by code or by the window system, once the window
    // exists and while no description is read: Resize false keeps the present
    // size, else the window takes NewWidth × NewHeight.
    void OnCanResize(TComponent* Sender, int& NewWidth, int& NewHeight, bool& Resize);

protected:
    // The class's constructor body: runs after all descriptions are read.
    virtual void Constructed() {}

    // What the window system tells a form, after the framework's own
    // handling: its size or state changed (every resize counts, and the state
    // is the one it is in now), and it became the active window, byClick
    // when a click on it did that.
    virtual void SizeOrStateChanged(TWindowState) {}
    virtual void Activated(bool /*byClick*/) {}

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
    bool FOldCreateOrder = false;
    int FPixelsPerInch = 96;
    int FTextHeight = 0;
};
