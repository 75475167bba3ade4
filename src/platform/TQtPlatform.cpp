#include "platform/TQtPlatform.h"

#include <QCursor>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>
#include <QWidget>

QPoint TQtPlatform::CursorPos() const
{
    return QCursor::pos();
}

QRect TQtPlatform::WorkArea() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QSize TQtPlatform::ScreenSize() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

int TQtPlatform::StartupShowCommand() const
{
    // A desktop session hands a starting program no show command: the
    // program opens at its normal size.
    return SW_SHOWDEFAULT;
}

bool TQtPlatform::CanPositionWindows() const
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void TQtPlatform::ShowWindow(QWidget* window, int showCommand)
{
    window->setVisible(showCommand != SW_HIDE);
}

int TQtPlatform::MessageBox(QWidget* owner, const QString& text, const QString& caption,
                            unsigned flags)
{
    const QMessageBox::Icon icon =
        (flags & MB_ICONSTOP) ? QMessageBox::Critical : QMessageBox::NoIcon;
    QMessageBox box(icon, caption, text, QMessageBox::Ok, owner);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    return IDOK;
}

void TQtPlatform::ShellExecute(QWidget*, const QString& verb, const QString& file, int)
{
    if (verb.compare(QLatin1String("open"), Qt::CaseInsensitive) == 0)
        QDesktopServices::openUrl(QUrl::fromUserInput(file));
}
