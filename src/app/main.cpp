#include "app/EntryRoutine.h"
#include "forms/TApplication.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication qtApplication(argc, argv);
    TApplication application;
    return RunTalvoreth();
}
