#include "platform/TWinPlatform.h"

#include <QWidget>

// After our declarations: <windows.h> defines several of their names as
// macros (MessageBox, ShellExecute, SW_*, IDOK), which would rename them.
#include <windows.h>

#include <shellapi.h>
#undef MessageBox
#undef ShellExecute

namespace {

HWND WindowOf(QWidget* widget)
{
    return widget ? reinterpret_cast<HWND>(widget->window()->winId()) : nullptr;
}

const wchar_t* Wide(const QString& text)
{
    return reinterpret_cast<const wchar_t*>(text.utf16());
}

bool RunningUnderWine()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

} // namespace

void TWinPlatform::PrepareQt()
{
    // Wine hands Qt's default (GDI) font engine the host's fonts, whose Latin
    // glyphs it draws garbled at small sizes; Qt's FreeType engine draws them
    // right. An explicit choice of platform is left alone.
    if (RunningUnderWine() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
}

QRect TWinPlatform::WorkArea() const
{
    RECT area = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return QRect(area.left, area.top, area.right - area.left, area.bottom - area.top);
}

int TWinPlatform::StartupShowCommand() const
{
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    return (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWDEFAULT;
}

int TWinPlatform::MessageBox(QWidget* owner, const QString& text, const QString& caption,
                             unsigned flags)
{
    const HWND window = WindowOf(owner);
    return MessageBoxW(window, Wide(text), Wide(caption), flags | (window ? 0 : MB_TASKMODAL));
}

void TWinPlatform::ShellExecute(QWidget* parent, const QString& verb, const QString& file,
                                int showCommand)
{
    ShellExecuteW(WindowOf(parent), Wide(verb), Wide(file), nullptr, nullptr, showCommand);
}
