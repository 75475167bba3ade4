#include "TestFrame.h"

#include "forms/TPanel.h"

const TFormClass& TTestFrame::StaticClass()
{
    static const TFormClass formClass{"TTestFrame",
                                      &TNeoForm::StaticClass(),
                                      {},
                                      {Field("ClientPanel", &TTestFrame::ClientPanel)}};
    return formClass;
}
