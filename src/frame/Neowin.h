#pragma once

#include "forms/TForm.h"
#include "forms/TImage.h"
#include "forms/TLabel.h"
#include "forms/TPanel.h"

#include <QRect>

// A borderless form that draws its own frame: a title bar of pictures with
// the caption in white and the window glyphs, picture strips along the left,
// right and bottom edges, six of its pictures (the top strip too) doubling as
// resize grips, and a caption that moves the window. A deriving form puts its controls into the
// rectangle the strips leave free.
class TNeoForm : public TForm {
    Q_OBJECT
    Q_PROPERTY(TPanel* TopPanel MEMBER TopPanel)
    Q_PROPERTY(TImage* TopLeftImage MEMBER TopLeftImage)
    Q_PROPERTY(TImage* TopCenterImage MEMBER TopCenterImage)
    Q_PROPERTY(TPanel* BottomPanel MEMBER BottomPanel)
    Q_PROPERTY(TImage* BottomLeftImage MEMBER BottomLeftImage)
    Q_PROPERTY(TImage* BottomCenterImage MEMBER BottomCenterImage)
    Q_PROPERTY(TImage* BottomRightImage MEMBER BottomRightImage)
    Q_PROPERTY(TImage* LeftImage MEMBER LeftImage)
    Q_PROPERTY(TImage* RightImage MEMBER RightImage)
    Q_PROPERTY(TImage* ControlBoxImage MEMBER ControlBoxImage)
    Q_PROPERTY(TImage* MinImage MEMBER MinImage)
    Q_PROPERTY(TImage* MaxImage MEMBER MaxImage)
    Q_PROPERTY(TImage* CloseImage MEMBER CloseImage)
    Q_PROPERTY(TLabel* CaptionLabel MEMBER CaptionLabel)
    Q_PROPERTY(TImage* TopImage MEMBER TopImage)
    Q_PROPERTY(TImage* RestoreImage MEMBER RestoreImage)
    Q_PROPERTY(TImage* GetFTopLeftImage MEMBER GetFTopLeftImage)
    Q_PROPERTY(TImage* GetFTopCenterImage MEMBER GetFTopCenterImage)
    Q_PROPERTY(TImage* GetFTopRightImage MEMBER GetFTopRightImage)
    Q_PROPERTY(TImage* TopRightImage MEMBER TopRightImage)

public:
    explicit TNeoForm(TComponent* owner) : TForm(owner) {}
    // The bare form: no description, none of the controls, none of the settings.
    TNeoForm(TComponent* owner, int dummy) : TForm(owner, dummy) {}

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

    void SetSizeable(bool value);
    void UpdateGripCursors(bool sizeable);
    // The desktop without its panels; unlimited where the platform knows no screen.
    QRect GetWorkArea() const;

    Q_INVOKABLE void FormCreate(TComponent* Sender);
    Q_INVOKABLE void FormResize(TComponent* Sender);
    Q_INVOKABLE void FormShow(TComponent* Sender);
    Q_INVOKABLE void FormCanResize(TComponent* Sender, int& NewWidth, int& NewHeight, bool& Resize);
    Q_INVOKABLE void TopPanelResize(TComponent* Sender);
    Q_INVOKABLE void BottomPanelResize(TComponent* Sender);

    Q_INVOKABLE void MinImageClick(TComponent* Sender);
    Q_INVOKABLE void MaxImageClick(TComponent* Sender);
    Q_INVOKABLE void RestoreImageClick(TComponent* Sender);
    Q_INVOKABLE void CloseImageClick(TComponent* Sender);
    Q_INVOKABLE void CaptionLabelDblClick(TComponent* Sender);

    Q_INVOKABLE void CaptionLabelMouseDown(TComponent* Sender, TMouseButton Button,
                                           TShiftState Shift, int X, int Y);
    Q_INVOKABLE void CaptionLabelMouseMove(TComponent* Sender, TShiftState Shift, int X, int Y);
    Q_INVOKABLE void CaptionLabelMouseUp(TComponent* Sender, TMouseButton Button, TShiftState Shift,
                                         int X, int Y);

    // The six grips: a press records the point, a move drags the grip's edges.
    Q_INVOKABLE void RightImageMouseDown(TComponent* Sender, TMouseButton Button, TShiftState Shift,
                                         int X, int Y);
    Q_INVOKABLE void RightImageMouseMove(TComponent* Sender, TShiftState Shift, int X, int Y);
    Q_INVOKABLE void RightImageMouseUp(TComponent* Sender, TMouseButton Button, TShiftState Shift,
                                       int X, int Y);
    Q_INVOKABLE void BottomLeftImageMouseDown(TComponent* Sender, TMouseButton Button,
                                              TShiftState Shift, int X, int Y);
    Q_INVOKABLE void BottomLeftImageMouseMove(TComponent* Sender, TShiftState Shift, int X, int Y);
    Q_INVOKABLE void BottomLeftImageMouseUp(TComponent* Sender, TMouseButton Button,
                                            TShiftState Shift, int X, int Y);
    Q_INVOKABLE void BottomCenterImageMouseDown(TComponent* Sender, TMouseButton Button,
                                                TShiftState Shift, int X, int Y);
    Q_INVOKABLE void BottomCenterImageMouseMove(TComponent* Sender, TShiftState Shift, int X,
                                                int Y);
    Q_INVOKABLE void BottomCenterImageMouseUp(TComponent* Sender, TMouseButton Button,
                                              TShiftState Shift, int X, int Y);
    Q_INVOKABLE void BottomRightImageMouseDown(TComponent* Sender, TMouseButton Button,
                                               TShiftState Shift, int X, int Y);
    Q_INVOKABLE void BottomRightImageMouseMove(TComponent* Sender, TShiftState Shift, int X, int Y);
    Q_INVOKABLE void BottomRightImageMouseUp(TComponent* Sender, TMouseButton Button,
                                             TShiftState Shift, int X, int Y);
    Q_INVOKABLE void LeftImageMouseDown(TComponent* Sender, TMouseButton Button, TShiftState Shift,
                                        int X, int Y);
    Q_INVOKABLE void LeftImageMouseMove(TComponent* Sender, TShiftState Shift, int X, int Y);
    Q_INVOKABLE void LeftImageMouseUp(TComponent* Sender, TMouseButton Button, TShiftState Shift,
                                      int X, int Y);
    Q_INVOKABLE void TopImageMouseDown(TComponent* Sender, TMouseButton Button, TShiftState Shift,
                                       int X, int Y);
    Q_INVOKABLE void TopImageMouseMove(TComponent* Sender, TShiftState Shift, int X, int Y);
    Q_INVOKABLE void TopImageMouseUp(TComponent* Sender, TMouseButton Button, TShiftState Shift,
                                     int X, int Y);

    static constexpr int MinWidth = 200;
    static constexpr int MinHeight = 60;

protected:
    void Constructed() override;
    // Normal and maximised show their glyph and grip cursors; activation
    // puts the title pictures in place.
    void SizeOrStateChanged(TWindowState state) override;
    void Activated(bool byClick) override;

private:
    void PressGrip(TMouseButton button, Qt::Edges edges, int x, int y);
    void DragGrip(const TImage& grip, Qt::Edges edges);

    bool FFramed = false;
};
