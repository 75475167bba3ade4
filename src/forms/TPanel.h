#pragma once

#include "forms/TWinControl.h"

// A container with a face colour, bevels and a centred caption.
class TPanel : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(Forms::TBevelCut BevelOuter MEMBER FBevelOuter WRITE SetBevelOuter)
    Q_PROPERTY(Forms::TBevelCut BevelInner MEMBER FBevelInner WRITE SetBevelInner)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)

public:
    Q_INVOKABLE explicit TPanel(TComponent* owner);

    void SetBevelOuter(TBevelCut bevel);
    void SetBevelInner(TBevelCut bevel);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int width);

    // The client rectangle less the border width and each bevel.
    QRect ChildArea() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void BordersChanged();

    TBevelCut FBevelOuter = bvRaised;
    TBevelCut FBevelInner = bvNone;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
};
