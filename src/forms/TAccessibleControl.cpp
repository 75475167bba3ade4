#include "forms/TAccessibleControl.h"

#include "forms/Guard.h"
#include "forms/TControl.h"

namespace {

QAccessibleInterface* InterfaceOfControl(const QString&, QObject* object)
{
    auto* control = dynamic_cast<TControl*>(object);
    return control ? new TAccessibleControl(control) : nullptr;
}

} // namespace

TAccessibleControl::TAccessibleControl(TControl* control) : QAccessibleWidget(control)
{
}

void TAccessibleControl::Install()
{
    // Qt asks the factories installed last first, so this one comes before
    // Qt's own, which would see a plain widget.
    [[maybe_unused]] static const bool installed =
        (QAccessible::installFactory(InterfaceOfControl), true);
}

TControl& TAccessibleControl::Control() const
{
    return *static_cast<TControl*>(widget());
}

QAccessible::Role TAccessibleControl::role() const
{
    return Control().AccessibleRole();
}

QString TAccessibleControl::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name: {
        if (!widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        const QString own = Control().AccessibleText();
        return own.isEmpty() ? QAccessibleWidget::text(t) : own;
    }
    case QAccessible::Description: {
        // Qt falls back on the tool tip, which for a glyph is its name already.
        const QString description = QAccessibleWidget::text(t);
        return description == text(QAccessible::Name) ? QString() : description;
    }
    default:
        return QAccessibleWidget::text(t);
    }
}

bool TAccessibleControl::Pressable() const
{
    return role() == QAccessible::PushButton && Control().HandlesClicks();
}

QStringList TAccessibleControl::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (Pressable())
        names.prepend(pressAction());
    return names;
}

void TAccessibleControl::doAction(const QString& actionName)
{
    if (actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    // A disabled control hears no mouse, so it cannot be pressed either.
    if (!Pressable() || !Control().Enabled())
        return;
    // The click comes once the screen reader has its answer, as Qt's own
    // buttons do: a handler may open a modal box or run a long pump.
    TControl* control = &Control();
    QMetaObject::invokeMethod(
        control, [control] { Guard([control] { control->Click(); }); }, Qt::QueuedConnection);
}
