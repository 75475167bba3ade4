#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;
class TFrameClock;

// Show commands a starting process can ask for.
enum TShowCommand {
    SW_HIDE = 0,
    SW_SHOWNORMAL = 1,
    SW_SHOWMINIMIZED = 2,
    SW_SHOWMAXIMIZED = 3,
    SW_SHOWNOACTIVATE = 4,
    SW_SHOW = 5,
    SW_MINIMIZE = 6,
    SW_SHOWMINNOACTIVE = 7,
    SW_SHOWNA = 8,
    SW_RESTORE = 9,
    SW_SHOWDEFAULT = 10,
};

// Message box flags and answer.
constexpr unsigned MB_OK = 0x00;
constexpr unsigned MB_ICONSTOP = 0x10;
constexpr int IDOK = 1;

// Everything the program asks of the operating system. The program uses the
// system's implementation (Qt's, on Windows partly the system's own calls);
// tests install a fake to script and record these calls.
class TPlatform {
public:
    virtual ~TPlatform() = default;

    virtual QPoint CursorPos() const = 0;
    // The desktop area not taken by task bars, in screen coordinates.
    virtual QRect WorkArea() const = 0;
    virtual QSize ScreenSize() const = 0;
    virtual int StartupShowCommand() const = 0;
    // False where a program can neither read the global cursor position nor
    // place its own windows (Wayland): moves and resizes go to the compositor.
    virtual bool CanPositionWindows() const = 0;
    // Shows or hides a window as the show command says (only SW_HIDE and
    // SW_SHOW are used).
    virtual void ShowWindow(QWidget* window, int showCommand) = 0;

    // Modal; returns the button pressed.
    virtual int MessageBox(QWidget* owner, const QString& text, const QString& caption,
                           unsigned flags) = 0;
    // Asks the desktop to carry out a verb ("open") on a document or address.
    // Failures are not reported, as with the shell.
    virtual void ShellExecute(QWidget* parent, const QString& verb, const QString& file,
                              int showCommand) = 0;
    // What an animation times its frames by.
    virtual TFrameClock& FrameClock() = 0;
};

// Sets what this system needs of Qt before the QApplication is made.
void PrepareQtPlatform();
TPlatform& Platform();
// Replaces the platform for the rest of the process; nullptr restores the Qt one.
void SetPlatform(TPlatform* platform);
