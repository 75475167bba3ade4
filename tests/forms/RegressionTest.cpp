// Inputs that once hung the program or ran into undefined behaviour, kept in
// regressions/ as descriptions. Each loads and lays out; their numbers, far
// past any screen, are cut to the range widgets take where they are read. The
// sanitized build (scripts/test-sanitized.sh) makes any overflow left on the
// way fail the test outright.
#include "forms/TControl.h"
#include "forms/TDescriptionReader.h"
#include "forms/TForm.h"
#include "forms/TLabel.h"
#include "forms/TPanel.h"
#include "support/ApplicationFixture.h"

#include <QFile>
#include <QImage>

namespace {

constexpr int Most = QWIDGETSIZE_MAX;

QImage Rendered(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    widget.render(&image);
    return image;
}

template <class T> T& Control(const TForm& form, const char* name)
{
    auto* control = dynamic_cast<T*>(form.FindComponent(QLatin1String(name)));
    EXPECT_NE(control, nullptr) << name;
    return *control;
}

struct TRegression {
    const char* Input;
    // What the input comes to once read and laid out.
    void (*Check)(TForm& form);
};

class Regressions : public ApplicationFixture, public ::testing::WithParamInterface<TRegression> {
protected:
    TForm FForm{nullptr};
};

TEST_P(Regressions, LoadAndLayOut)
{
    QFile file(QStringLiteral(":/regressions/") + QLatin1String(GetParam().Input));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    TDescriptionReader(FForm).Read(file.readAll());
    FForm.HandleNeeded();
    GetParam().Check(FForm);
    // The widgets take the bounds as they are: none lies past Qt's limits.
    EXPECT_EQ(FForm.geometry(), FForm.BoundsRect());
    for (const TComponent* component : FForm.Components()) {
        if (const auto* control = dynamic_cast<const TControl*>(component)) {
            EXPECT_EQ(control->geometry(), control->BoundsRect()) << control->Name().toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, Regressions,
    ::testing::Values(
        // Painting once took a step per unit of bevel width: some 475 million here.
        TRegression{"PANEL_WIDE_BEVEL",
                    [](TForm& form) {
                        auto& panel = Control<TPanel>(form, "Panel");
                        ASSERT_EQ(panel.BevelWidth(), Most);
                        const QImage wide = Rendered(panel);
                        // Rings past the panel's size add nothing, so any such
                        // width paints alike.
                        panel.SetBevelWidth(1000);
                        EXPECT_EQ(Rendered(panel), wide);
                        panel.SetBevelWidth(1);
                        EXPECT_NE(Rendered(panel), wide);
                    }},
        // Comparing the new bounds as a QRect overflowed on its right edge.
        TRegression{"FORM_WIDTH_INT_MIN", [](TForm& form) { EXPECT_EQ(form.Width(), 0); }},
        // Two panels of two billion pixels side by side: their edges added up
        // past INT_MAX.
        TRegression{"ALIGNED_PAST_INT_MAX",
                    [](TForm& form) {
                        EXPECT_EQ(Control<TPanel>(form, "First").BoundsRect(),
                                  QRect(0, 0, Most, 200));
                        EXPECT_EQ(Control<TPanel>(form, "Second").BoundsRect(),
                                  QRect(Most, 0, Most, 200));
                    }},
        // Anchored edges moved past INT_MAX as the form grew.
        TRegression{"ANCHORED_PAST_INT_MAX",
                    [](TForm& form) {
                        const auto& stretched = Control<TPanel>(form, "Stretched");
                        const auto& moved = Control<TPanel>(form, "Moved");
                        EXPECT_EQ(stretched.BoundsRect(), QRect(10, 0, Most, 20));
                        EXPECT_EQ(moved.BoundsRect(), QRect(Most, 40, 20, 20));
                        // Wider, neither can go further; narrower, both keep
                        // their distance to the edge where they were anchored.
                        form.SetBounds(0, 0, 2000, 200);
                        EXPECT_EQ(stretched.BoundsRect(), QRect(10, 0, Most, 20));
                        EXPECT_EQ(moved.BoundsRect(), QRect(Most, 40, 20, 20));
                        form.SetBounds(0, 0, 200, 200);
                        EXPECT_EQ(stretched.BoundsRect(), QRect(10, 0, Most - 100, 20));
                        EXPECT_EQ(moved.BoundsRect(), QRect(Most - 100, 40, 20, 20));
                    }},
        // Two bevels and the border added up in an int.
        TRegression{"PANEL_INSET_PAST_INT_MAX",
                    [](TForm& form) {
                        auto& framed = Control<TPanel>(form, "Framed");
                        framed.HandleNeeded();
                        const auto& inside = Control<TPanel>(form, "Inside");
                        EXPECT_EQ(framed.BoundsRect(), QRect(0, 0, 300, 200));
                        EXPECT_EQ(inside.BoundsRect().size(), QSize(0, 0));
                        EXPECT_FALSE(Rendered(framed).isNull());
                    }},
        // Its magnitude was taken with std::abs, which overflows for INT_MIN.
        TRegression{"FONT_HEIGHT_INT_MIN",
                    [](TForm& form) {
                        const auto& label = Control<TLabel>(form, "Label");
                        EXPECT_EQ(label.Font().Height, -Most);
                        EXPECT_EQ(label.Font().ToQFont().pixelSize(), Most);
                    }}),
    [](const ::testing::TestParamInfo<TRegression>& info) {
        return std::string(info.param.Input);
    });

} // namespace
