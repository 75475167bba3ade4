#include "TestForms.h"

#include "forms/Exceptions.h"
#include "forms/TLabel.h"
#include "forms/TPanel.h"

QStringList HandlerLog;
TTestDerivedForm* TestDerivedForm = nullptr;

const TFormClass& TTestBaseForm::StaticClass()
{
    static const TFormClass formClass{
        "TTestBaseForm",
        &TForm::StaticClass(),
        {Handler("FormCreate", &TTestBaseForm::FormCreate),
         Handler("BasePanelClick", &TTestBaseForm::BasePanelClick)},
        {Field("BasePanel", &TTestBaseForm::BasePanel)},
    };
    return formClass;
}

const TFormClass& TTestDerivedForm::StaticClass()
{
    static const TFormClass formClass{
        "TTestDerivedForm",
        &TTestBaseForm::StaticClass(),
        {Handler("FormCreate", &TTestDerivedForm::FormCreate)},
        {Field("Label1", &TTestDerivedForm::Label1)},
    };
    return formClass;
}

void TTestDerivedForm::FormCreate(TComponent*)
{
    HandlerLog << (TestDerivedForm == this ? "derived FormCreate, reference set"
                                           : "derived FormCreate, reference not set");
}

const TFormClass& TNoDescriptionForm::StaticClass()
{
    static const TFormClass formClass{"TNoDescriptionForm", &TForm::StaticClass(), {}, {}};
    return formClass;
}

const TFormClass& TUnknownHandlerForm::StaticClass()
{
    static const TFormClass formClass{"TUnknownHandlerForm", &TTestBaseForm::StaticClass(), {}, {}};
    return formClass;
}

const TFormClass& TBadValueForm::StaticClass()
{
    static const TFormClass formClass{"TBadValueForm", &TForm::StaticClass(), {}, {}};
    return formClass;
}

const TFormClass& TFailingCreateForm::StaticClass()
{
    static const TFormClass formClass{"TFailingCreateForm",
                                      &TForm::StaticClass(),
                                      {Handler("FormCreate", &TFailingCreateForm::FormCreate)},
                                      {}};
    return formClass;
}

void TFailingCreateForm::FormCreate(TComponent*)
{
    HandlerLog << "failing FormCreate";
    throw Exception(QStringLiteral("创建失败"));
}
