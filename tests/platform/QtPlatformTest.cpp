#include "platform/TQtPlatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

struct TShownBox {
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons Buttons;
    QString Title;
    QString Text;
    bool Modal = false;
};

// Shows a box through the platform and reads it while it is up.
TShownBox ShowBox(unsigned flags)
{
    TShownBox shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        shown = {box->icon(), box->standardButtons(), box->windowTitle(), box->text(),
                 box->windowModality() == Qt::ApplicationModal};
        box->button(QMessageBox::Ok)->click();
    });
    TQtPlatform platform;
    EXPECT_EQ(platform.MessageBox(nullptr, QStringLiteral("出错了"), "Talvoreth", flags), IDOK);
    return shown;
}

TEST(QtPlatform, MessageBoxesTakeTheirIconAndButtonFromTheFlags)
{
    const TShownBox stop = ShowBox(MB_OK | MB_ICONSTOP);
    EXPECT_EQ(stop.Icon, QMessageBox::Critical);
    EXPECT_EQ(stop.Buttons, QMessageBox::Ok);
    EXPECT_EQ(stop.Title, "Talvoreth");
    EXPECT_EQ(stop.Text, QStringLiteral("出错了"));
    EXPECT_TRUE(stop.Modal);
    const TShownBox plain = ShowBox(MB_OK);
    EXPECT_EQ(plain.Icon, QMessageBox::NoIcon);
    EXPECT_EQ(plain.Buttons, QMessageBox::Ok);
}

TEST(QtPlatform, ShowWindowHidesAndShows)
{
    TQtPlatform platform;
    QWidget window;
    window.show();
    platform.ShowWindow(&window, SW_HIDE);
    EXPECT_FALSE(window.isVisible());
    platform.ShowWindow(&window, SW_SHOW);
    EXPECT_TRUE(window.isVisible());
}

} // namespace
