#include "TestForms.h"

#include "forms/Exceptions.h"

QStringList HandlerLog;
TTestDerivedForm* TestDerivedForm = nullptr;

void TTestDerivedForm::FormCreate(TComponent*)
{
    HandlerLog << (TestDerivedForm == this ? "derived FormCreate, reference set"
                                           : "derived FormCreate, reference not set");
}

void TFailingCreateForm::FormCreate(TComponent*)
{
    HandlerLog << "failing FormCreate";
    throw Exception(QStringLiteral("创建失败"));
}
