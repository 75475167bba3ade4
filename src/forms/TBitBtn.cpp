#include "forms/TBitBtn.h"

#include "forms/Guard.h"

#include <QPushButton>

TBitBtn::TBitBtn(TComponent* owner) : TWinControl(owner), FButton(new QPushButton(this))
{
    SetTabStop(true);
    // Return presses a focused button, as Space does.
    FButton->setAutoDefault(true);
    QObject::connect(FButton, &QPushButton::clicked, FButton,
                     [this] { Guard([this] { Click(); }); });
}

QWidget* TBitBtn::FocusWidget() const
{
    return FButton;
}

void TBitBtn::TextChanged()
{
    FButton->setText(Caption());
}

void TBitBtn::Resized()
{
    FButton->setGeometry(rect());
    TWinControl::Resized();
}
