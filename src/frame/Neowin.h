#pragma once

#include "forms/TForm.h"

#include <QRect>

class TImage;
class TLabel;
class TPanel;

// A borderless form that draws its own frame: a title bar of pictures with
// the caption in white and the window glyphs, picture strips along the left,
// right and bottom edges that double as resize grips, and a caption that
// moves the window. A deriving form puts its controls into the rectangle the
// strips leave free.
class TNeoForm : public TForm {
public:
    explicit TNeoForm(TComponent* owner) : TForm(owner) {}
    // The bare form: no description, none of the controls, none of the settings.
    TNeoForm(TComponent* owner, int dummy) : TForm(owner, dummy) {}

    static const TFormClass& StaticClass();
    const TFormClass& FormClass() const override { return StaticClass(); }

    TPanel* TopPanel = nullptr;
    TImage* TopLeftImage = nullptr;
    TImage* TopCenterImage = nullptr;
    TPanel* BottomPanel = nullptr;
    TImage* BottomLeftImage = nullptr;
    TImage* BottomCenterImage = nullptr;
    TImage* BottomRightImage = nullptr;
    TImage* LeftImage = nullptr;
    TImage* RightImage = nullptr;
    TImage* ControlBoxImage = nullptr;
    TImage* MinImage = nullptr;
    TImage* MaxImage = nullptr;
    TImage* CloseImage = nullptr;
    TLabel* CaptionLabel = nullptr;
    TImage* TopImage = nullptr;
    TImage* RestoreImage = nullptr;
    TImage* GetFTopLeftImage = nullptr;
    TImage* GetFTopCenterImage = nullptr;
    TImage* GetFTopRightImage = nullptr;
    TImage* TopRightImage = nullptr;

    bool FSizeable = false;
    bool FResizing = false;
    int FGripX = 0;
    int FGripY = 0;
    bool FMoving = false;
    int FMoveX = 0;
    int FMoveY = 0;
    bool FHideAppOnMinimize = false;

    void WndProc(TMessage& message) override;

    void SetSizeable(bool value);
    void UpdateGripCursors(bool sizeable);
    // The desktop without its panels; unlimited where the platform knows no screen.
    QRect GetWorkArea() const;

    void FormCreate(TComponent* Sender);
    void FormResize(TComponent* Sender);
    void FormShow(TComponent* Sender);
    void FormCanResize(TComponent* Sender, int& NewWidth, int& NewHeight, bool& Resize);
    void TopPanelResize(TComponent* Sender);
    void BottomPanelResize(TComponent* Sender);

    void MinImageClick(TComponent* Sender);
    void MaxImageClick(TComponent* Sender);
    void RestoreImageClick(TComponent* Sender);
    void CloseImageClick(TComponent* Sender);
    void CaptionLabelDblClick(TComponent* Sender);

    void CaptionLabelMouseDown(TComponent* Sender, TMouseButton Button, TShiftState Shift, int X,
                               int Y);
    void CaptionLabelMouseMove(TComponent* Sender, TShiftState Shift, int X, int Y);
    void CaptionLabelMouseUp(TComponent* Sender, TMouseButton Button, TShiftState Shift, int X,
                             int Y);

    // The six grips: a press records the point, a move drags the grip's edges.
    void RightImageMouseDown(TComponent* Sender, TMouseButton Button, TShiftState Shift, int X,
                             int Y);
    void RightImageMouseMove(TComponent* Sender, TShiftState Shift, int X, int Y);
    void RightImageMouseUp(TComponent* Sender, TMouseButton Button, TShiftState Shift, int X,
                           int Y);
    void BottomLeftImageMouseDown(TComponent* Sender, TMouseButton Button, TShiftState Shift, int X,
                                  int Y);
    void BottomLeftImageMouseMove(TComponent* Sender, TShiftState Shift, int X, int Y);
    void BottomLeftImageMouseUp(TComponent* Sender, TMouseButton Button, TShiftState Shift, int X,
                                int Y);
    void BottomCenterImageMouseDown(TComponent* Sender, TMouseButton Button, TShiftState Shift,
                                    int X, int Y);
    void BottomCenterImageMouseMove(TComponent* Sender, TShiftState Shift, int X, int Y);
    void BottomCenterImageMouseUp(TComponent* Sender, TMouseButton Button, TShiftState Shift, int X,
                                  int Y);
    void BottomRightImageMouseDown(TComponent* Sender, TMouseButton Button, TShiftState Shift,
                                   int X, int Y);
    void BottomRightImageMouseMove(TComponent* Sender, TShiftState Shift, int X, int Y);
    void BottomRightImageMouseUp(TComponent* Sender, TMouseButton Button, TShiftState Shift, int X,
                                 int Y);
    void LeftImageMouseDown(TComponent* Sender, TMouseButton Button, TShiftState Shift, int X,
                            int Y);
    void LeftImageMouseMove(TComponent* Sender, TShiftState Shift, int X, int Y);
    void LeftImageMouseUp(TComponent* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void TopImageMouseDown(TComponent* Sender, TMouseButton Button, TShiftState Shift, int X,
                           int Y);
    void TopImageMouseMove(TComponent* Sender, TShiftState Shift, int X, int Y);
    void TopImageMouseUp(TComponent* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);

    static constexpr int MinWidth = 200;
    static constexpr int MinHeight = 60;

protected:
    void Constructed() override;

private:
    void ShowTitlePictures();
    void PressGrip(TMouseButton button, Qt::Edges edges, int x, int y);
    void DragGrip(const TImage& grip, Qt::Edges edges);

    bool FFramed = false;
};
