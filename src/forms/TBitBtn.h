#pragma once

#include "forms/TWinControl.h"

class QPushButton;

// A push button showing its caption centred; a tab stop.
class TBitBtn : public TWinControl {
    Q_OBJECT

public:
    Q_INVOKABLE explicit TBitBtn(TComponent* owner);

    QWidget* FocusWidget() const override;

protected:
    void TextChanged() override;
    void Resized() override;

private:
    QPushButton* FButton;
};
