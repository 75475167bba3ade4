#include "platform/TWinPlatform.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <windows.h>
#undef MessageBox

namespace {

struct TShownBox {
    QString Caption;
    QStringList Texts;
    bool Icon = false;
};

BOOL CALLBACK ReadChild(HWND child, LPARAM into)
{
    auto& shown = *reinterpret_cast<TShownBox*>(into);
    wchar_t text[256] = {};
    GetWindowTextW(child, text, 256);
    shown.Texts << QString::fromWCharArray(text);
    if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
        SendMessageW(child, STM_GETICON, 0, 0))
        shown.Icon = true;
    return TRUE;
}

// Shows a box through the system and reads it, from Qt's event loop, while
// the box's own loop runs; then presses its OK button.
TShownBox ShowBox(unsigned flags)
{
    TShownBox shown;
    QTimer::singleShot(0, [&] {
        HWND box = FindWindowW(L"#32770", L"Talvoreth");
        if (!box)
            return;
        wchar_t caption[64] = {};
        GetWindowTextW(box, caption, 64);
        shown.Caption = QString::fromWCharArray(caption);
        EnumChildWindows(box, ReadChild, reinterpret_cast<LPARAM>(&shown));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    TWinPlatform platform;
    EXPECT_EQ(platform.MessageBox(nullptr, QStringLiteral("出错了"), "Talvoreth", flags), IDOK);
    return shown;
}

TEST(WinPlatform, MessageBoxesAreTheSystemsWithTheIconTheFlagsAsk)
{
    const TShownBox stop = ShowBox(MB_OK | MB_ICONSTOP);
    EXPECT_EQ(stop.Caption, "Talvoreth");
    EXPECT_TRUE(stop.Texts.contains(QStringLiteral("出错了")))
        << stop.Texts.join('|').toStdString();
    EXPECT_TRUE(stop.Texts.contains("OK")) << stop.Texts.join('|').toStdString();
    EXPECT_TRUE(stop.Icon);
    const TShownBox plain = ShowBox(MB_OK);
    EXPECT_EQ(plain.Caption, "Talvoreth");
    EXPECT_FALSE(plain.Icon);
}

} // namespace
