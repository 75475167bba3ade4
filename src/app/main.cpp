#include "app/EntryRoutine.h"
#include "app/QtTranslations.h"
#include "app/VersionInfo.h"
#include "forms/TApplication.h"
#include "platform/TPlatform.h"
#include "platform/TTerminationSignals.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

int main(int argc, char* argv[])
{
    PrepareQtPlatform();
    QApplication qtApplication(argc, argv);
    // What the executable carries as resources elsewhere: its icon and version record.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/MAINICON")));
    QApplication::setApplicationVersion(VersionInfo::FileVersion);
    QApplication::setOrganizationName(VersionInfo::CompanyName);
    // The installed desktop entry's name, which Wayland compositors match windows with.
    QApplication::setDesktopFileName(QStringLiteral("example.quorvel.Talvoreth"));
    // Qt's own texts (message box buttons, edit menus) in the desktop's language.
    InstallQtTranslations(QLocale::system());
    TApplication application;
    // A termination request ends the program as closing its window does.
    TTerminationSignals terminationSignals([] { Application->Terminate(); });
    return RunTalvoreth();
}
