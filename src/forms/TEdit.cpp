#include "forms/TEdit.h"

#include "forms/TPropertyReader.h"

#include <QLineEdit>

#include <limits>

namespace {

const TPropertySetters<TEdit>& Setters()
{
    static const TPropertySetters<TEdit> setters = {
        {"Text", [](TEdit& e, const QString& v) { e.SetText(v); }},
    };
    return setters;
}

} // namespace

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

void TEdit::SetProperty(const QString& name, const QString& value)
{
    if (!ApplyProperty(Setters(), *this, name, value))
        TWinControl::SetProperty(name, value);
}

QStringList TEdit::PropertyNames() const
{
    return TWinControl::PropertyNames() + NamesOf(Setters());
}

void TEdit::Resized()
{
    FEdit->setGeometry(rect());
    TWinControl::Resized();
}
