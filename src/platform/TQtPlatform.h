#pragma once

#include "platform/TPlatform.h"
#include "platform/TQtFrameClock.h"

// The platform services as Qt provides them on the desktop.
class TQtPlatform : public TPlatform {
public:
    static void PrepareQt() {}

    QPoint CursorPos() const override;
    QRect WorkArea() const override;
    QSize ScreenSize() const override;
    int StartupShowCommand() const override;
    bool CanPositionWindows() const override;
    void ShowWindow(QWidget* window, int showCommand) override;
    int MessageBox(QWidget* owner, const QString& text, const QString& caption,
                   unsigned flags) override;
    void ShellExecute(QWidget* parent, const QString& verb, const QString& file,
                      int showCommand) override;
    TFrameClock& FrameClock() override { return FClock; }

private:
    TQtFrameClock FClock;
};
