#pragma once

#include "forms/TForm.h"
#include "forms/TLabel.h"
#include "forms/TPanel.h"

#include <QStringList>

// Small form classes whose descriptions live in descriptions/.

// Records which handlers ran, in order.
extern QStringList HandlerLog;

class TTestBaseForm : public TForm {
    Q_OBJECT
    Q_PROPERTY(TPanel* BasePanel MEMBER BasePanel)

public:
    using TForm::TForm;

    TPanel* BasePanel = nullptr;

    Q_INVOKABLE void FormCreate(TComponent*) { HandlerLog << "base FormCreate"; }
    Q_INVOKABLE void BasePanelClick(TComponent*) { HandlerLog << "base BasePanelClick"; }
    Q_INVOKABLE void BasePanelMouseDown(TComponent*, TMouseButton, TShiftState, int x, int y)
    {
        HandlerLog << QStringLiteral("base BasePanelMouseDown %1,%2").arg(x).arg(y);
    }
    Q_INVOKABLE void TakesAnInt(int) { HandlerLog << "base TakesAnInt"; }

public slots:
    void BasePanelSlot(TComponent*) { HandlerLog << "base BasePanelSlot"; }

protected:
    void Constructed() override { HandlerLog << "base constructed"; }
};

class TTestDerivedForm : public TTestBaseForm {
    Q_OBJECT
    Q_PROPERTY(TLabel* Label1 MEMBER Label1)

public:
    using TTestBaseForm::TTestBaseForm;

    TLabel* Label1 = nullptr;

    Q_INVOKABLE void FormCreate(TComponent*);
};
extern TTestDerivedForm* TestDerivedForm;

// A form class without any description.
class TNoDescriptionForm : public TForm {
    Q_OBJECT

public:
    using TForm::TForm;
};

// Its description names a handler that no class has.
class TUnknownHandlerForm : public TTestBaseForm {
    Q_OBJECT

public:
    using TTestBaseForm::TTestBaseForm;
};

// Its description gives a property a value it cannot take.
class TBadValueForm : public TForm {
    Q_OBJECT

public:
    using TForm::TForm;
};

// Its creation handler fails.
class TFailingCreateForm : public TForm {
    Q_OBJECT

public:
    using TForm::TForm;

    Q_INVOKABLE void FormCreate(TComponent*);
};
