#pragma once

#include "forms/TControl.h"

// A one-line text. With AutoSize it takes the size of its text once loaded and
// whenever the text or font changes; unless Transparent it paints its colour
// behind the text.
class TLabel : public TControl {
    Q_OBJECT
    Q_PROPERTY(Forms::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(bool AutoSize MEMBER FAutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool Transparent MEMBER FTransparent WRITE SetTransparent)

public:
    Q_INVOKABLE explicit TLabel(TComponent* owner);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment alignment);
    void SetAutoSize(bool autoSize);
    void SetTransparent(bool transparent);

    void Loaded() override;

protected:
    QAccessible::Role AccessibleRole() const override { return QAccessible::StaticText; }
    QString AccessibleText() const override { return Caption(); }
    void TextChanged() override;
    void FontChanged() override;
    void paintEvent(QPaintEvent* event) override;

private:
    void AdjustSize();

    TAlignment FAlignment = taLeftJustify;
    bool FAutoSize = true;
    bool FTransparent = false;
};
