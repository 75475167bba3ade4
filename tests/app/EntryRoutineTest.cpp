#include "app/EntryRoutine.h"
#include "app/TForm1.h"
#include "forms/Exceptions.h"
#include "forms/TApplication.h"
#include "support/TFakePlatform.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// A platform that fails when start-up asks for the show command, that is
// while the main window is first shown.
template <class Failure> class TFailingShowPlatform : public TFakePlatform {
public:
    int StartupShowCommand() const override { throw Failure("显示失败"); }
};

template <class Failure> class EntryRoutine : public ::testing::Test {
protected:
    EntryRoutine() { SetPlatform(&FPlatform); }
    ~EntryRoutine() override
    {
        SetPlatform(nullptr);
        Form1 = nullptr;
    }

    TFailingShowPlatform<Failure> FPlatform;
    TApplication FApplication;
};

using FailingWithOurs = EntryRoutine<Exception>;
using FailingWithForeign = EntryRoutine<std::runtime_error>;

TEST_F(FailingWithOurs, AFailureBeforeTheLoopIsShownAndTheExitCodeIsZero)
{
    EXPECT_EQ(RunTalvoreth(), 0);
    ASSERT_EQ(FPlatform.MessageBoxes.size(), 1u);
    EXPECT_EQ(FPlatform.MessageBoxes[0].Text, QStringLiteral("显示失败."));
    EXPECT_EQ(FPlatform.MessageBoxes[0].Caption, "Talvoreth");
    EXPECT_EQ(FPlatform.MessageBoxes[0].Flags, MB_OK | MB_ICONSTOP);
    EXPECT_FALSE(Application->Terminated());
}

TEST_F(FailingWithForeign, AForeignFailureShowsAnEmptyBox)
{
    EXPECT_EQ(RunTalvoreth(), 0);
    ASSERT_EQ(FPlatform.MessageBoxes.size(), 1u);
    EXPECT_EQ(FPlatform.MessageBoxes[0].Text, "");
}

} // namespace
