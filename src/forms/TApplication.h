#pragma once

#include "forms/TComponent.h"

#include <QObject>
#include <QString>

class TForm;

// The one application object: title, main form, message loop and the error
// report that every call from Qt into program code ends in (Guard).
class TApplication : public TComponent {
public:
    // Needs a QApplication; becomes the global Application and installs its
    // error report.
    TApplication();
    ~TApplication() override;

    void Initialize() {}

    const QString& Title() const { return FTitle; }
    void SetTitle(const QString& title);

    // Makes a form of class T owned by the application. The reference holds
    // the form while its descriptions are read and its OnCreate runs, and is
    // reset to null if that fails. The first form made is the main form.
    template <class T> void CreateForm(T*& reference);

    TForm* MainForm() const { return FMainForm; }

    // Shows the main form as the start-up show command asks (unless
    // ShowMainForm was cleared) and dispatches messages until Terminated.
    void Run();
    bool ShowMainForm() const { return FShowMainForm; }
    void SetShowMainForm(bool show) { FShowMainForm = show; }
    // Hides the main form, whose window carries the task-bar button here.
    void HideTaskbarButton();
    // Dispatches every pending message, then returns. A quit request taken
    // here sets Terminated; the main loop ends when control returns to it.
    void ProcessMessages();
    // Posts the quit request.
    void Terminate();
    bool Terminated() const { return FTerminated; }
    // Ends the loop at once. The session's query before a log-off changes
    // nothing; the end of the session arrives as a termination signal.
    void EndSession() { FTerminated = true; }
    void Minimize();

    // The error report for the exception being handled: cancels mouse
    // capture, drops EAbort, shows any other message in a stop box.
    void HandleException() noexcept;

private:
    void ShowMainWindow();
    void ShowException(const QString& message);

    QString FTitle;
    TForm* FMainForm = nullptr;
    bool FTerminated = false;
    bool FShowMainForm = true;
    // Receives the posted quit requests; requests pending at destruction die with it.
    QObject FQuitTarget;
};

extern TApplication* Application;

template <class T> void TApplication::CreateForm(T*& reference)
{
    T* form = new T(this);
    reference = form;
    try {
        form->Create();
    } catch (...) {
        reference = nullptr;
        delete form;
        throw;
    }
    if (!FMainForm)
        FMainForm = form;
}
