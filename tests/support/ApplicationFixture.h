#pragma once

#include "forms/TApplication.h"
#include "support/TFakePlatform.h"

#include <gtest/gtest.h>

// A fresh application object titled "Talvoreth", on the fake platform.
class ApplicationFixture : public ::testing::Test {
protected:
    ApplicationFixture() { Application->SetTitle(QStringLiteral("Talvoreth")); }

    TFakePlatform& Fake() { return FPlatform.Fake; }

    TFakePlatformScope FPlatform;
    TApplication FApplication;
};
