#include "forms/TEdit.h"

#include <QLineEdit>

#include <limits>

TEdit::TEdit(TComponent* owner) : TWinControl(owner), FEdit(new QLineEdit(this))
{
    SetTabStop(true);
    FEdit->setMaxLength(std::numeric_limits<int>::max());
}

QString TEdit::Text() const
{
    return FEdit->text();
}

void TEdit::SetText(const QString& text)
{
    FEdit->setText(text);
}

QWidget* TEdit::FocusWidget() const
{
    return FEdit;
}

void TEdit::SetAccessibleName(const QString& name)
{
    FEdit->setAccessibleName(name);
}

void TEdit::Resized()
{
    FEdit->setGeometry(rect());
    TWinControl::Resized();
}
