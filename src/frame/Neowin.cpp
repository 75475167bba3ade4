#include "frame/Neowin.h"

#include "forms/TApplication.h"
#include "platform/TPlatform.h"

#include <climits>

void TNeoForm::Constructed()
{
    SetSizeable(false);
    FResizing = false;
    FMoving = false;
    FHideAppOnMinimize = false;
    SetColor(13619151);
    CaptionLabel->SetCaption(Caption());
    MinImage->SetVisible(BorderIcons() & biMinimize);
    MaxImage->SetVisible(BorderIcons() & biMaximize);
    MinImage->SetHint(QStringLiteral("最小化"));
    MaxImage->SetHint(QStringLiteral("最大化"));
    RestoreImage->SetHint(QStringLiteral("还原"));
    CloseImage->SetHint(QStringLiteral("关闭"));
    // The smallest size the check accepts is a hint the window manager can keep to.
    setMinimumSize(MinWidth, MinHeight);
    FFramed = true;
}

void TNeoForm::SizeOrStateChanged(TWindowState state)
{
    if (!FFramed || state == wsMinimized)
        return;
    const bool maximized = state == wsMaximized;
    if (BorderIcons() & biMaximize) {
        MaxImage->SetVisible(!maximized);
        RestoreImage->SetVisible(maximized);
    }
    UpdateGripCursors(FSizeable && !maximized);
}

void TNeoForm::Activated(bool)
{
    if (!FFramed)
        return;
    TopLeftImage->Picture().Assign(GetFTopLeftImage->Picture());
    TopCenterImage->Picture().Assign(GetFTopCenterImage->Picture());
    TopRightImage->Picture().Assign(GetFTopRightImage->Picture());
    TopPanel->Repaint();
}

void TNeoForm::SetSizeable(bool value)
{
    FSizeable = value;
    UpdateGripCursors(value);
}

void TNeoForm::UpdateGripCursors(bool sizeable)
{
    TopImage->SetCursor(sizeable ? crSizeNS : crDefault);
    LeftImage->SetCursor(sizeable ? crSizeWE : crDefault);
    BottomLeftImage->SetCursor(sizeable ? crSizeNESW : crDefault);
    BottomCenterImage->SetCursor(sizeable ? crSizeNS : crDefault);
    BottomRightImage->SetCursor(sizeable ? crSizeNWSE : crDefault);
    RightImage->SetCursor(sizeable ? crSizeWE : crDefault);
}

QRect TNeoForm::GetWorkArea() const
{
    const QRect area = Platform().WorkArea();
    return area.isEmpty() ? QRect(0, 0, INT_MAX, INT_MAX) : area;
}

void TNeoForm::FormCreate(TComponent*)
{
}

void TNeoForm::FormResize(TComponent*)
{
}

void TNeoForm::FormShow(TComponent*)
{
}

void TNeoForm::FormCanResize(TComponent*, int& NewWidth, int& NewHeight, bool& Resize)
{
    if (NewWidth < MinWidth || NewHeight < MinHeight) {
        Resize = false;
        return;
    }
    const QRect area = GetWorkArea();
    if (area.width() < NewWidth)
        NewWidth = area.width();
    if (area.height() < NewHeight)
        NewHeight = area.height();
}

void TNeoForm::TopPanelResize(TComponent*)
{
    const int panelWidth = TopPanel->Width();
    CaptionLabel->SetBounds(82, 11, Width() - 175, CaptionLabel->Height());
    CaptionLabel->SendToBack();
    TopRightImage->SetLeft(panelWidth - TopRightImage->Width());
    TopCenterImage->SendToBack();
    TopCenterImage->SetLeft(TopLeftImage->Left() + TopLeftImage->Width());
    MinImage->SetLeft(panelWidth - 55);
    MaxImage->SetLeft(panelWidth - 38);
    RestoreImage->SetLeft(panelWidth - 38);
    CloseImage->SetLeft(panelWidth - 21);
    TopPanel->Repaint();
}

void TNeoForm::BottomPanelResize(TComponent*)
{
    BottomRightImage->SetLeft(BottomPanel->Width() - BottomRightImage->Width());
    BottomPanel->Repaint();
}

void TNeoForm::MinImageClick(TComponent*)
{
    if (Application->MainForm() == this)
        Application->Minimize();
    else
        SetWindowState(wsMinimized);
    if (FHideAppOnMinimize) {
        Application->SetShowMainForm(false);
        Application->HideTaskbarButton();
    }
}

void TNeoForm::MaxImageClick(TComponent*)
{
    SetWindowState(wsMaximized);
}

void TNeoForm::RestoreImageClick(TComponent*)
{
    SetWindowState(wsNormal);
}

void TNeoForm::CloseImageClick(TComponent*)
{
    Close();
}

void TNeoForm::CaptionLabelDblClick(TComponent*)
{
    if (BorderIcons() & biMaximize)
        SetWindowState(WindowState() == wsMaximized ? wsNormal : wsMaximized);
}

void TNeoForm::CaptionLabelMouseDown(TComponent*, TMouseButton Button, TShiftState, int X, int Y)
{
    // Where the program cannot place its windows the compositor moves them;
    // its grab may swallow the release, so no drag state is left behind.
    if (Button == mbLeft && WindowState() != wsMaximized && StartSystemMove()) {
        FMoving = false;
        return;
    }
    FMoving = true;
    FMoveX = CaptionLabel->Left() + X;
    FMoveY = CaptionLabel->Top() + Y;
}

void TNeoForm::CaptionLabelMouseMove(TComponent*, TShiftState, int, int)
{
    if (!FMoving || WindowState() == wsMaximized)
        return;
    const QPoint cursor = Platform().CursorPos();
    SetTop(cursor.y() - FMoveY);
    SetLeft(cursor.x() - FMoveX);
}

void TNeoForm::CaptionLabelMouseUp(TComponent*, TMouseButton, TShiftState, int, int)
{
    FMoving = false;
}

void TNeoForm::PressGrip(TMouseButton button, Qt::Edges edges, int x, int y)
{
    if (button == mbLeft && FSizeable && WindowState() != wsMaximized && StartSystemResize(edges)) {
        FResizing = false;
        return;
    }
    FResizing = true;
    FGripX = x;
    FGripY = y;
}

void TNeoForm::DragGrip(const TImage& grip, Qt::Edges edges)
{
    if (!FSizeable || WindowState() == wsMaximized || !FResizing)
        return;
    const QPoint cursor = Platform().CursorPos();
    int left = Left();
    int top = Top();
    int right = left + Width();
    int bottom = top + Height();
    if (edges & Qt::LeftEdge)
        left = cursor.x() - FGripX;
    if (edges & Qt::RightEdge)
        right = cursor.x() - FGripX + grip.Width();
    if (edges & Qt::TopEdge)
        top = cursor.y() - FGripY;
    if (edges & Qt::BottomEdge)
        bottom = cursor.y() - FGripY + grip.Height();
    SetBounds(left, top, right - left, bottom - top);
}

void TNeoForm::RightImageMouseDown(TComponent*, TMouseButton Button, TShiftState, int X, int Y)
{
    PressGrip(Button, Qt::RightEdge, X, Y);
}

void TNeoForm::RightImageMouseMove(TComponent*, TShiftState, int, int)
{
    DragGrip(*RightImage, Qt::RightEdge);
}

void TNeoForm::RightImageMouseUp(TComponent*, TMouseButton, TShiftState, int, int)
{
    FResizing = false;
}

void TNeoForm::BottomLeftImageMouseDown(TComponent*, TMouseButton Button, TShiftState, int X, int Y)
{
    PressGrip(Button, Qt::LeftEdge | Qt::BottomEdge, X, Y);
}

void TNeoForm::BottomLeftImageMouseMove(TComponent*, TShiftState, int, int)
{
    DragGrip(*BottomLeftImage, Qt::LeftEdge | Qt::BottomEdge);
}

void TNeoForm::BottomLeftImageMouseUp(TComponent*, TMouseButton, TShiftState, int, int)
{
    FResizing = false;
}

void TNeoForm::BottomCenterImageMouseDown(TComponent*, TMouseButton Button, TShiftState, int X,
                                          int Y)
{
    PressGrip(Button, Qt::BottomEdge, X, Y);
}

void TNeoForm::BottomCenterImageMouseMove(TComponent*, TShiftState, int, int)
{
    DragGrip(*BottomCenterImage, Qt::BottomEdge);
}

void TNeoForm::BottomCenterImageMouseUp(TComponent*, TMouseButton, TShiftState, int, int)
{
    FResizing = false;
}

void TNeoForm::BottomRightImageMouseDown(TComponent*, TMouseButton Button, TShiftState, int X,
                                         int Y)
{
    PressGrip(Button, Qt::RightEdge | Qt::BottomEdge, X, Y);
}

void TNeoForm::BottomRightImageMouseMove(TComponent*, TShiftState, int, int)
{
    DragGrip(*BottomRightImage, Qt::RightEdge | Qt::BottomEdge);
}

void TNeoForm::BottomRightImageMouseUp(TComponent*, TMouseButton, TShiftState, int, int)
{
    FResizing = false;
}

void TNeoForm::LeftImageMouseDown(TComponent*, TMouseButton Button, TShiftState, int X, int Y)
{
    PressGrip(Button, Qt::LeftEdge, X, Y);
}

void TNeoForm::LeftImageMouseMove(TComponent*, TShiftState, int, int)
{
    DragGrip(*LeftImage, Qt::LeftEdge);
}

void TNeoForm::LeftImageMouseUp(TComponent*, TMouseButton, TShiftState, int, int)
{
    FResizing = false;
}

void TNeoForm::TopImageMouseDown(TComponent*, TMouseButton Button, TShiftState, int X, int Y)
{
    PressGrip(Button, Qt::TopEdge, X, Y);
}

void TNeoForm::TopImageMouseMove(TComponent*, TShiftState, int, int)
{
    DragGrip(*TopImage, Qt::TopEdge);
}

void TNeoForm::TopImageMouseUp(TComponent*, TMouseButton, TShiftState, int, int)
{
    FResizing = false;
}
