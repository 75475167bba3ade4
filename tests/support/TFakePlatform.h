#pragma once

#include "platform/TPlatform.h"
#include "support/TFakeFrameClock.h"

#include <functional>
#include <vector>

// A scripted platform for tests: the answers are fields to set, and message
// boxes and shell requests are recorded instead of shown.
class TFakePlatform : public TPlatform {
public:
    struct TMessageBoxCall {
        QString Text;
        QString Caption;
        unsigned Flags;
    };
    struct TShellCall {
        QWidget* Parent;
        QString Verb;
        QString File;
        int ShowCommand;
    };

    QPoint Cursor;
    QRect Work{0, 0, 1024, 738};
    QSize Screen{1024, 768};
    int ShowCommand = SW_SHOWNORMAL;
    struct TShowWindowCall {
        QWidget* Window;
        int ShowCommand;
    };
    std::vector<TShowWindowCall> ShowWindowCalls;
    std::vector<TMessageBoxCall> MessageBoxes;
    std::vector<TShellCall> ShellCalls;
    // Runs while a message box is "up", as the user would act in its modal loop.
    std::function<void()> WhileMessageBoxShown;
    TFakeFrameClock Clock;

    QPoint CursorPos() const override { return Cursor; }
    QRect WorkArea() const override { return Work; }
    QSize ScreenSize() const override { return Screen; }
    int StartupShowCommand() const override { return ShowCommand; }
    bool CanPositionWindows() const override { return true; }
    void ShowWindow(QWidget* window, int showCommand) override
    {
        ShowWindowCalls.push_back({window, showCommand});
    }
    int MessageBox(QWidget* owner, const QString& text, const QString& caption,
                   unsigned flags) override;
    void ShellExecute(QWidget* parent, const QString& verb, const QString& file,
                      int showCommand) override;
    TFrameClock& FrameClock() override { return Clock; }
};

// Installs a fake platform for the lifetime of the guard.
class TFakePlatformScope {
public:
    TFakePlatformScope() { SetPlatform(&Fake); }
    ~TFakePlatformScope() { SetPlatform(nullptr); }
    TFakePlatformScope(const TFakePlatformScope&) = delete;
    TFakePlatformScope& operator=(const TFakePlatformScope&) = delete;

    TFakePlatform Fake;
};
