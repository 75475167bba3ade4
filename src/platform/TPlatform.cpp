#include "platform/TPlatform.h"

#ifdef Q_OS_WIN
#include "platform/TWinPlatform.h"
using TSystemPlatform = TWinPlatform;
#else
#include "platform/TQtPlatform.h"
using TSystemPlatform = TQtPlatform;
#endif

namespace {
TPlatform* installed = nullptr;
}

void PrepareQtPlatform()
{
    TSystemPlatform::PrepareQt();
}

TPlatform& Platform()
{
    static TSystemPlatform systemPlatform;
    return installed ? *installed : systemPlatform;
}

void SetPlatform(TPlatform* platform)
{
    installed = platform;
}
