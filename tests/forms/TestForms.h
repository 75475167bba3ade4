#pragma once

#include "forms/TForm.h"

#include <QStringList>

class TLabel;
class TPanel;

// Small form classes whose descriptions live in descriptions/.

// Records which handlers ran, in order.
extern QStringList HandlerLog;

class TTestBaseForm : public TForm {
public:
    using TForm::TForm;
    static const TFormClass& StaticClass();
    const TFormClass& FormClass() const override { return StaticClass(); }

    TPanel* BasePanel = nullptr;

    void FormCreate(TComponent*) { HandlerLog << "base FormCreate"; }
    void BasePanelClick(TComponent*) { HandlerLog << "base BasePanelClick"; }

protected:
    void Constructed() override { HandlerLog << "base constructed"; }
};

class TTestDerivedForm : public TTestBaseForm {
public:
    using TTestBaseForm::TTestBaseForm;
    static const TFormClass& StaticClass();
    const TFormClass& FormClass() const override { return StaticClass(); }

    TLabel* Label1 = nullptr;

    void FormCreate(TComponent*);
};
extern TTestDerivedForm* TestDerivedForm;

// A form class without any description.
class TNoDescriptionForm : public TForm {
public:
    using TForm::TForm;
    static const TFormClass& StaticClass();
    const TFormClass& FormClass() const override { return StaticClass(); }
};

// Its description names a handler that no class has.
class TUnknownHandlerForm : public TTestBaseForm {
public:
    using TTestBaseForm::TTestBaseForm;
    static const TFormClass& StaticClass();
    const TFormClass& FormClass() const override { return StaticClass(); }
};

// Its description gives a property a value it cannot take.
class TBadValueForm : public TForm {
public:
    using TForm::TForm;
    static const TFormClass& StaticClass();
    const TFormClass& FormClass() const override { return StaticClass(); }
};

// Its creation handler fails.
class TFailingCreateForm : public TForm {
public:
    using TForm::TForm;
    static const TFormClass& StaticClass();
    const TFormClass& FormClass() const override { return StaticClass(); }

    void FormCreate(TComponent*);
};
