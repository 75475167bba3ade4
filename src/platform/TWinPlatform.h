#pragma once

#include "platform/TQtPlatform.h"

// The platform services on Windows: the system's own work area, start-up show
// command, message box and shell "open"; Qt for the rest.
class TWinPlatform : public TQtPlatform {
public:
    // Sets the options of Qt's Windows plugin; call before QApplication exists.
    static void PrepareQt();

    QRect WorkArea() const override;
    int StartupShowCommand() const override;
    // A box owned by the owner's window, or, without an owner, modal to every
    // window of the program.
    int MessageBox(QWidget* owner, const QString& text, const QString& caption,
                   unsigned flags) override;
    void ShellExecute(QWidget* parent, const QString& verb, const QString& file,
                      int showCommand) override;
};
