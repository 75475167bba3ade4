#include "app/EntryRoutine.h"
#include "app/VersionInfo.h"
#include "forms/TApplication.h"
#include "platform/TTerminationSignals.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication qtApplication(argc, argv);
    // What the executable carries as resources elsewhere: its icon and version record.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/MAINICON")));
    QApplication::setApplicationVersion(VersionInfo::FileVersion);
    QApplication::setOrganizationName(VersionInfo::CompanyName);
    TApplication application;
    // A termination request ends the program as closing its window does.
    TTerminationSignals terminationSignals([] { Application->Terminate(); });
    return RunTalvoreth();
}
