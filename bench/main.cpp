#include "BenchFigures.h"

#include "forms/TApplication.h"
#include "support/TFakePlatform.h"

#include <QApplication>
#include <QGuiApplication>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApplication(argc, argv);
    TFakePlatformScope platform;
    TApplication application;

    benchmark::Initialize(&argc, argv);
    TFigureReporter figures;
    benchmark::RunSpecifiedBenchmarks(&figures);
    benchmark::Shutdown();
    // Figures from a real display carry its name: xcb is X11.
    QString display = QGuiApplication::platformName();
    if (display == QLatin1String("offscreen"))
        display.clear();
    else if (display == QLatin1String("xcb"))
        display = QStringLiteral("x11");
    PrintFigures(figures, display.toStdString());
    return 0;
}
