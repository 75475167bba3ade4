#include "app/EntryRoutine.h"

#include "app/TForm1.h"
#include "forms/TApplication.h"

int RunTalvoreth()
{
    try {
        Application->Initialize();
        Application->SetTitle(QStringLiteral("Talvoreth"));
        Application->CreateForm(Form1);
        Application->Run();
    } catch (...) {
        Application->HandleException();
    }
    return 0;
}
