// The frame pacer keeps an animation's frames one refresh of the screen apart.
// Drawing a frame eats into its wait, so a long run does not drift; a frame
// held up for longer than a refresh starts the count afresh, and is still
// shown for a whole refresh.
#include "forms/TForm.h"
#include "forms/TFramePacer.h"
#include "support/ApplicationFixture.h"

namespace {

class FramePacing : public ApplicationFixture {
protected:
    FramePacing()
    {
        Form.Create();
        Form.Show();
    }

    TForm Form{nullptr, 0};
};

TEST_F(FramePacing, FramesKeepOneRefreshApartAndAHoldUpStartsAfresh)
{
    TFramePacer pacer(Form);
    const qint64 refresh = pacer.RefreshIntervalNs();
    TFakeFrameClock& clock = Fake().Clock;
    clock.Now = 1'000'000'000;

    pacer.ShowFrame();
    EXPECT_EQ(clock.Now, 1'000'000'000 + refresh) << "the first frame";
    // How long drawing the next frame takes, in refreshes, and whether the
    // frame still ends one refresh after the last one did.
    const std::vector<std::pair<double, bool>> frames = {
        {0.25, true}, {0.9, true}, {0, true}, {1.5, false}, {0.5, true}, {4, false}, {0.1, true}};
    for (const auto& [drawing, keepsTheCount] : frames) {
        const qint64 lastEnd = clock.Now;
        clock.Now += static_cast<qint64>(drawing * refresh);
        const qint64 drawn = clock.Now;
        pacer.ShowFrame();
        EXPECT_EQ(clock.Now, (keepsTheCount ? lastEnd : drawn) + refresh)
            << "after drawing for " << drawing << " refreshes";
    }
}

} // namespace
