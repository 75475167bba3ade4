// The frame pacer keeps an animation's frames one refresh of the screen apart.
// Drawing a frame eats into its wait, so a long run does not drift; a frame
// held up for longer than a refresh starts the count afresh, and is still
// shown for a whole refresh.
#include "forms/TForm.h"
#include "forms/TFramePacer.h"
#include "support/ApplicationFixture.h"

#include <limits>

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
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    // What the screen reports, and the refresh the frames keep to: a rate no
    // screen has counts as unknown.
    const std::vector<std::pair<double, double>> rates = {
        {60, 60},  {144, 144},     {20, 20},   {1000, 1000}, {59.94, 59.94}, {0, 60},  {-60, 60},
        {nan, 60}, {infinity, 60}, {0.06, 60}, {19.9, 60},   {1000.5, 60},   {1e9, 60}};
    // How long drawing the next frame takes, in refreshes, and whether the
    // frame still ends one refresh after the last one did.
    const std::vector<std::pair<double, bool>> frames = {
        {0.25, true}, {0.9, true}, {0, true}, {1.5, false}, {0.5, true}, {4, false}, {0.1, true}};
    TFakeFrameClock& clock = Fake().Clock;
    for (const auto& [reported, used] : rates) {
        clock.Rate = reported;
        clock.Now = 1'000'000'000;
        TFramePacer pacer(Form);
        const qint64 refresh = static_cast<qint64>(1e9 / used);
        EXPECT_EQ(pacer.RefreshIntervalNs(), refresh) << "a screen reporting " << reported << " Hz";

        pacer.ShowFrame();
        EXPECT_EQ(clock.Now, 1'000'000'000 + refresh) << "the first frame at " << reported << " Hz";
        for (const auto& [drawing, keepsTheCount] : frames) {
            const qint64 lastEnd = clock.Now;
            clock.Now += static_cast<qint64>(drawing * refresh);
            const qint64 drawn = clock.Now;
            pacer.ShowFrame();
            EXPECT_EQ(clock.Now, (keepsTheCount ? lastEnd : drawn) + refresh)
                << "after drawing for " << drawing << " refreshes at " << reported << " Hz";
        }
    }
}

} // namespace
