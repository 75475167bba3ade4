#include "forms/TForm.h"

#include "forms/Exceptions.h"
#include "forms/Guard.h"
#include "forms/TApplication.h"
#include "forms/TDescriptionReader.h"
#include "platform/TPlatform.h"

#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QWindow>

TForm::TForm(TComponent* owner) : TWinControl(owner)
{
    TControl::SetVisible(false);
    SetColor(clBtnFace);
    SetBounds(0, 0, 320, 240);
    ApplyWindowFlags();
}

TForm::TForm(TComponent* owner, int) : TForm(owner)
{
    FBare = true;
}

void TForm::Create()
{
    if (FBare) {
        HandleNeeded();
        return;
    }
    BeginLoading();
    const std::vector<const QMetaObject*> classes = FormClasses();
    bool found = false;
    // Base class first: a class's description adds to its base's.
    for (auto formClass = classes.rbegin(); formClass != classes.rend(); ++formClass) {
        QFile resource(QStringLiteral(":/forms/") +
                       QString::fromLatin1((*formClass)->className()).toUpper());
        if (!resource.open(QIODevice::ReadOnly))
            continue;
        found = true;
        ReadDescription(resource.readAll());
    }
    if (!found)
        throw EResNotFound(QStringLiteral("Resource %1 not found").arg(metaObject()->className()));
    NotifyLoaded();
    Constructed();
    Guard([this] { emit OnCreate(this); });
}

std::vector<const QMetaObject*> TForm::FormClasses() const
{
    std::vector<const QMetaObject*> classes;
    for (const QMetaObject* formClass = metaObject(); formClass != &TWinControl::staticMetaObject;
         formClass = formClass->superClass())
        classes.push_back(formClass);
    return classes;
}

void TForm::ReadDescription(const QByteArray& description)
{
    DisableAlign();
    FReading = true;
    TDescriptionReader(*this).Read(description);
    // Measuring and sizing need the native window: from here on the form has one.
    HandleNeeded();
    // The stored size, like everything stored, is taken without the size check.
    if (FPendingClientWidth >= 0)
        SetWidth(FPendingClientWidth);
    if (FPendingClientHeight >= 0)
        SetHeight(FPendingClientHeight);
    FPendingClientWidth = FPendingClientHeight = -1;
    FReading = false;
    EnableAlign();
}

void TForm::SetClientWidth(int width)
{
    if (FReading)
        FPendingClientWidth = width;
    else
        SetWidth(width);
}

void TForm::SetClientHeight(int height)
{
    if (FReading)
        FPendingClientHeight = height;
    else
        SetHeight(height);
}

void TForm::NotifyLoaded()
{
    // A copy: a Loaded() may create components of its own.
    const std::vector<TComponent*> components = Components();
    for (TComponent* component : components)
        if (component->Loading())
            component->Loaded();
    Loaded();
}

void TForm::SetBorderStyle(TBorderStyle style)
{
    FBorderStyle = style;
    ApplyWindowFlags();
}

void TForm::SetBorderIcons(TBorderIcons icons)
{
    FBorderIcons = icons;
    ApplyWindowFlags();
}

void TForm::ApplyWindowFlags()
{
    Qt::WindowFlags flags = Qt::Window;
    if (FBorderStyle == bsNone) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::WindowTitleHint | Qt::CustomizeWindowHint;
        if (FBorderIcons & biSystemMenu)
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (FBorderIcons & biMinimize)
            flags |= Qt::WindowMinimizeButtonHint;
        if (FBorderIcons & biMaximize)
            flags |= Qt::WindowMaximizeButtonHint;
    }
    const bool shown = isVisible();
    setWindowFlags(flags);
    if (shown)
        QWidget::show();
}

void TForm::SetWindowState(TWindowState state)
{
    FWindowState = state;
    if (isVisible())
        ShowInState();
}

void TForm::ShowInState()
{
    switch (FWindowState) {
    case wsMaximized:
        showMaximized();
        break;
    case wsMinimized:
        showMinimized();
        break;
    default:
        showNormal();
        break;
    }
}

void TForm::SetVisible(bool visible)
{
    if (visible)
        Show();
    else {
        TControl::SetVisible(false);
        hide();
    }
}

void TForm::Show()
{
    HandleNeeded();
    const bool first = !FShownBefore;
    FShownBefore = true;
    if (first && FPosition == poScreenCenter)
        CenterOnScreen();
    TControl::SetVisible(true);
    ShowInState();
    emit OnShow(this);
    if (FWindowState != wsMinimized) {
        activateWindow();
        if (first)
            SelectFirst();
    }
}

void TForm::CenterOnScreen()
{
    const QSize screen = Platform().ScreenSize();
    const int left = std::max(0, (screen.width() - Width()) / 2);
    const int top = std::max(0, (screen.height() - Height()) / 2);
    SetBounds(left, top, Width(), Height());
}

void TForm::SelectFirst()
{
    std::vector<TWinControl*> stops;
    CollectTabStops(stops);
    for (std::size_t i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1]->FocusWidget(), stops[i]->FocusWidget());
    for (TWinControl* stop : stops) {
        if (stop->CanFocus()) {
            FActiveControl = stop;
            stop->FocusWidget()->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void TForm::Close()
{
    if (Application && Application->MainForm() == this)
        Application->Terminate();
    else
        SetVisible(false);
}

QWindow* TForm::CompositorWindow() const
{
    return Platform().CanPositionWindows() ? nullptr : windowHandle();
}

bool TForm::StartSystemMove()
{
    QWindow* window = CompositorWindow();
    return window && window->startSystemMove();
}

bool TForm::StartSystemResize(Qt::Edges edges)
{
    QWindow* window = CompositorWindow();
    return window && window->startSystemResize(edges);
}

void TForm::SetBounds(int left, int top, int width, int height)
{
    const bool changed = left != Left() || top != Top() || width != Width() || height != Height();
    if (changed)
        CheckSize(width, height);
    TWinControl::SetBounds(left, top, width, height);
}

void TForm::CheckSize(int& width, int& height)
{
    if (!HandleAllocated() || FReading)
        return;
    int newWidth = width;
    int newHeight = height;
    bool resize = true;
    emit OnCanResize(this, newWidth, newHeight, resize);
    width = resize ? newWidth : Width();
    height = resize ? newHeight : Height();
}

void TForm::AdoptSystemBounds()
{
    const QRect proposed = geometry();
    if (proposed == BoundsRect())
        return;
    int width = proposed.width();
    int height = proposed.height();
    if (proposed.size() != BoundsRect().size())
        CheckSize(width, height);
    AdoptWindowBounds(QRect(proposed.topLeft(), QSize(width, height)));
    if (QSize(width, height) != proposed.size())
        resize(width, height);
}

void TForm::TextChanged()
{
    setWindowTitle(Caption());
}

void TForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(Color()));
}

void TForm::closeEvent(QCloseEvent* event)
{
    event->ignore();
    Close();
}

void TForm::resizeEvent(QResizeEvent* event)
{
    TWinControl::resizeEvent(event);
    Guard([this] { AdoptSystemBounds(); });
    Guard([this] { SizeOrStateChanged(FWindowState); });
}

void TForm::moveEvent(QMoveEvent* event)
{
    TWinControl::moveEvent(event);
    Guard([this] { AdoptSystemBounds(); });
}

void TForm::changeEvent(QEvent* event)
{
    TWinControl::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        const Qt::WindowStates states = windowState();
        FWindowState = (states & Qt::WindowMinimized)   ? wsMinimized
                       : (states & Qt::WindowMaximized) ? wsMaximized
                                                        : wsNormal;
        Guard([this] { SizeOrStateChanged(FWindowState); });
    } else if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        // Activation by a click on the window comes with a button held.
        const bool byClick = QGuiApplication::mouseButtons() != Qt::NoButton;
        Guard([this, byClick] { Activated(byClick); });
    }
}
