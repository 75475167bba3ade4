#include "forms/TPanel.h"
#include "support/ApplicationFixture.h"

#include <QImage>

namespace {

using Panel = ApplicationFixture;

// A raised bevel is lit at its top and left and shaded at its bottom and
// right, a lowered one the other way round, a bevel of space not drawn;
// the outer bevel rings the border, the inner one lies inside it.
TEST_F(Panel, LightsAndShadesItsBevelsAsTheyAreCut)
{
    const QColor light = ToQColor(clBtnHighlight);
    const QColor dark = ToQColor(clBtnShadow);
    const QColor face = ToQColor(clBtnFace);
    const struct {
        TBevelCut Outer;
        TBevelCut Inner;
        // The corner pixels, top-left then bottom-right: the outer ring's,
        // the border's and the inner ring's.
        QColor Corners[6];
    } cases[] = {
        {bvRaised, bvNone, {light, dark, face, face, face, face}},
        {bvLowered, bvNone, {dark, light, face, face, face, face}},
        {bvSpace, bvNone, {face, face, face, face, face, face}},
        {bvRaised, bvLowered, {light, dark, face, face, dark, light}},
        {bvLowered, bvRaised, {dark, light, face, face, light, dark}},
    };
    for (const auto& cut : cases) {
        TPanel panel(nullptr);
        panel.SetBounds(0, 0, 20, 12);
        panel.SetBorderWidth(1);
        panel.SetBevelOuter(cut.Outer);
        panel.SetBevelInner(cut.Inner);
        const QImage shot = panel.grab().toImage();
        const QColor corners[] = {shot.pixel(0, 0),   shot.pixel(19, 11), shot.pixel(1, 1),
                                  shot.pixel(18, 10), shot.pixel(2, 2),   shot.pixel(17, 9)};
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(corners[k], cut.Corners[k]) << cut.Outer << " " << cut.Inner << " " << k;
    }
}

} // namespace
