#include "support/TFakePlatform.h"

int TFakePlatform::MessageBox(QWidget*, const QString& text, const QString& caption, unsigned flags)
{
    MessageBoxes.push_back({text, caption, flags});
    if (WhileMessageBoxShown)
        WhileMessageBoxShown();
    return IDOK;
}

void TFakePlatform::ShellExecute(QWidget* parent, const QString& verb, const QString& file,
                                 int showCommand)
{
    ShellCalls.push_back({parent, verb, file, showCommand});
}
