#include "BenchFigures.h"

#include "forms/TApplication.h"
#include "platform/TFakePlatform.h"

#include <QApplication>

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
    PrintFigures(figures);
    return 0;
}
