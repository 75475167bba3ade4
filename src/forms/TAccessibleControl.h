#pragma once

#include <QAccessibleWidget>

class TControl;

// What assistive technology sees of a control: the role and the name the
// control gives itself, a name or description the program gave it, and for a
// control presented as a button a press action that clicks it. Qt's own
// interface supplies the rest: bounds, states (hidden controls are
// invisible), children and focus.
class TAccessibleControl : public QAccessibleWidget {
public:
    explicit TAccessibleControl(TControl* control);

    // Makes Qt answer with this interface for every control from now on.
    static void Install();

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    TControl& Control() const;
    bool Pressable() const;
};
