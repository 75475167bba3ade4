#include "app/EntryRoutine.h"
#include "app/TForm1.h"
#include "forms/Exceptions.h"
#include "forms/TApplication.h"
#include "support/TFakePlatform.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <type_traits>

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

using Failures = ::testing::Types<Exception, std::runtime_error>;
TYPED_TEST_SUITE(EntryRoutine, Failures);

// A message of ours is shown; a foreign failure shows an empty box.
TYPED_TEST(EntryRoutine, AFailureBeforeTheLoopIsShownAndTheExitCodeIsZero)
{
    EXPECT_EQ(RunTalvoreth(), 0);
    const auto& boxes = this->FPlatform.MessageBoxes;
    ASSERT_EQ(boxes.size(), 1u);
    const bool ours = std::is_same_v<TypeParam, Exception>;
    EXPECT_EQ(boxes[0].Text, ours ? QStringLiteral("显示失败.") : QString());
    EXPECT_EQ(boxes[0].Caption, "Talvoreth");
    EXPECT_EQ(boxes[0].Flags, MB_OK | MB_ICONSTOP);
    EXPECT_FALSE(Application->Terminated());
}

} // namespace
