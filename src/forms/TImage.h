#pragma once

#include "forms/TControl.h"
#include "forms/TPicture.h"

class TCanvas;

// Shows its picture unscaled from its top-left corner, clipped to its bounds;
// where the picture does not reach, the parent shows through. A screen reader
// sees an image that can be clicked and has a hint as a button named by the
// hint, one the program named as a picture, and any other as decoration.
class TImage : public TControl {
    Q_OBJECT
    Q_PROPERTY(bool AutoSize MEMBER FAutoSize WRITE SetAutoSize)
    // What a description's picture is loaded into.
    Q_PROPERTY(TPicture* Picture READ PictureToLoad)

public:
    Q_INVOKABLE explicit TImage(TComponent* owner);

    TPicture& Picture() { return FPicture; }
    // The canvas of the picture's bitmap. With no picture, the first request
    // makes a white bitmap of the control's current size and installs it.
    // Raises EInvalidOperation when the picture holds another kind of graphic.
    TCanvas& Canvas();

    void SetAutoSize(bool autoSize);

protected:
    QAccessible::Role AccessibleRole() const override;
    QString AccessibleText() const override;
    void Resized() override;
    void paintEvent(QPaintEvent* event) override;

private:
    TPicture* PictureToLoad() { return &FPicture; }
    bool IsGlyphButton() const { return HandlesClicks() && !Hint().isEmpty(); }
    void PictureChanged(bool replaced, const QRect& area);
    void UpdateOpacity();
    void AdjustSize();

    TPicture FPicture;
    bool FAutoSize = false;
    // What has been asked of Qt since the last paint: the bounding rectangle
    // of the changes, so a burst of drawing within it asks for nothing more.
    QRect FRepaintPending;
};
