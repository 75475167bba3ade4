#pragma once

#include "forms/TWinControl.h"

class QLineEdit;

// A one-line edit field with a single border and no length limit; a tab stop.
class TEdit : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE SetText)

public:
    Q_INVOKABLE explicit TEdit(TComponent* owner);

    QString Text() const;
    void SetText(const QString& text);

    QWidget* FocusWidget() const override;
    // Names the field itself, which a screen reader reads and types into.
    void SetAccessibleName(const QString& name) override;

protected:
    void Resized() override;

private:
    QLineEdit* FEdit;
};
