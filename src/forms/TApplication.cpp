#include "forms/TApplication.h"

#include "forms/Exceptions.h"
#include "forms/Guard.h"
#include "forms/TControl.h"
#include "forms/TFont.h"
#include "forms/TForm.h"
#include "platform/TPlatform.h"

#include <QAbstractEventDispatcher>
#include <QApplication>

TApplication* Application = nullptr;

TApplication::TApplication() : TComponent(nullptr)
{
    Application = this;
    SetExceptionReport([]() noexcept { Application->HandleException(); });
    QApplication::setQuitOnLastWindowClosed(false);
    InstallFontSubstitutions();
}

TApplication::~TApplication()
{
    while (!Components().empty())
        delete Components().back();
    SetExceptionReport(nullptr);
    Application = nullptr;
}

void TApplication::SetTitle(const QString& title)
{
    FTitle = title;
    QGuiApplication::setApplicationDisplayName(title);
}

void TApplication::Run()
{
    if (!FMainForm)
        return;
    if (FShowMainForm)
        ShowMainWindow();
    while (!FTerminated)
        Guard([] { QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents); });
}

void TApplication::ShowMainWindow()
{
    switch (Platform().StartupShowCommand()) {
    case SW_SHOWMAXIMIZED:
        FMainForm->SetWindowState(wsMaximized);
        break;
    case SW_SHOWMINNOACTIVE:
        FMainForm->SetWindowState(wsMinimized);
        break;
    default:
        break;
    }
    if (FMainForm->WindowState() == wsMinimized)
        Minimize();
    else
        FMainForm->Show();
}

void TApplication::ProcessMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TApplication::Terminate()
{
    QMetaObject::invokeMethod(
        &FQuitTarget,
        [this] {
            FTerminated = true;
            // Qt's Windows dispatcher goes on waiting for a window message
            // after its posted events; this wakes the loop, however nested.
            QCoreApplication::eventDispatcher()->interrupt();
        },
        Qt::QueuedConnection);
}

void TApplication::Minimize()
{
    if (!FMainForm)
        return;
    FMainForm->SetWindowState(wsMinimized);
    if (!FMainForm->isVisible())
        FMainForm->Show();
}

void TApplication::HideTaskbarButton()
{
    // The main form's own window carries the button here.
    if (FMainForm)
        Platform().ShowWindow(FMainForm, SW_HIDE);
}

void TApplication::HandleException() noexcept
{
    const std::exception_ptr error = std::current_exception();
    if (TControl* captured = TControl::CaptureControl()) {
        try {
            captured->CancelMode();
        } catch (...) {
            // The report below is about the first failure.
        }
    }
    try {
        std::rethrow_exception(error);
    } catch (const EAbort&) {
    } catch (const Exception& exception) {
        ShowException(exception.Message());
    } catch (...) {
        ShowException(QString());
    }
}

void TApplication::ShowException(const QString& message)
{
    Platform().MessageBox(nullptr, MessageForDisplay(message), FTitle, MB_OK | MB_ICONSTOP);
}
