#include "FuzzApplication.h"

#include "forms/TApplication.h"
#include "support/TFakePlatform.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

void StartFuzzApplication()
{
    static bool started = false;
    if (started)
        return;
    started = true;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt would take libFuzzer's options for its own; it gets a bare command line.
    static int argc = 1;
    static char name[] = "talvoreth-fuzz";
    static char* argv[] = {name, nullptr};
    static QApplication* application = new QApplication(argc, argv);
    static TFakePlatform* platform = new TFakePlatform;
    SetPlatform(platform);
    static TApplication* talvoreth = new TApplication;
    (void)application;
    (void)talvoreth;
}

void FuzzFailure(const char* what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::fflush(stderr);
    std::abort();
}
