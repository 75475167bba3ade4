#include "platform/TPlatform.h"

#include "platform/TQtPlatform.h"

namespace {
TPlatform* installed = nullptr;
}

TPlatform& Platform()
{
    static TQtPlatform qtPlatform;
    return installed ? *installed : qtPlatform;
}

void SetPlatform(TPlatform* platform)
{
    installed = platform;
}
