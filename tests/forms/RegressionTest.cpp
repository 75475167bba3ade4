// Inputs that once hung the program or ran into undefined behaviour, kept in
// regressions/ as descriptions. This binary runs on a copy of the forms
// library built with UBSan, so an int overflow fails the test outright.
#include "forms/TControl.h"
#include "forms/TDescriptionReader.h"
#include "forms/TForm.h"
#include "forms/TLabel.h"
#include "forms/TPanel.h"
#include "support/ApplicationFixture.h"

#include <QFile>
#include <QImage>

#include <limits>

namespace {

constexpr int IntMax = std::numeric_limits<int>::max();
constexpr int IntMin = std::numeric_limits<int>::min();

QImage Rendered(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    widget.render(&image);
    return image;
}

// A rectangle whose edges and size are all in the int range, as QRect's
// width() and height() need.
void ExpectRepresentable(const TControl& control)
{
    const QRect bounds = control.BoundsRect();
    const long long width = static_cast<long long>(bounds.right()) - bounds.left() + 1;
    const long long height = static_cast<long long>(bounds.bottom()) - bounds.top() + 1;
    EXPECT_EQ(width, control.Width()) << control.Name().toStdString();
    EXPECT_EQ(height, control.Height()) << control.Name().toStdString();
    EXPECT_GE(control.Width(), 0) << control.Name().toStdString();
    EXPECT_GE(control.Height(), 0) << control.Name().toStdString();
}

class Regressions : public ApplicationFixture {
protected:
    void Read(const QString& name)
    {
        QFile file(QStringLiteral(":/regressions/") + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        TDescriptionReader(FForm).Read(file.readAll());
    }

    template <class T> T& Control(const char* name)
    {
        auto* control = dynamic_cast<T*>(FForm.FindComponent(QLatin1String(name)));
        EXPECT_NE(control, nullptr) << name;
        return *control;
    }

    TForm FForm{nullptr};
};

TEST_F(Regressions, APanelBevelFarWiderThanThePanelPaintsAtOnce)
{
    // Painting once took a step per unit of bevel width: some 475 million here.
    Read(QStringLiteral("PANEL_WIDE_BEVEL"));
    auto& panel = Control<TPanel>("Panel");
    ASSERT_EQ(panel.BevelWidth(), 474834480);
    const QImage wide = Rendered(panel);
    // Rings past the panel's size add nothing, so any such width paints alike.
    panel.SetBevelWidth(1000);
    EXPECT_EQ(Rendered(panel), wide);
    panel.SetBevelWidth(1);
    EXPECT_NE(Rendered(panel), wide);
}

TEST_F(Regressions, AFormWidthOfIntMinIsAnEmptyWidth)
{
    // Comparing the new bounds as a QRect overflowed on its right edge.
    FForm.HandleNeeded();
    Read(QStringLiteral("FORM_WIDTH_INT_MIN"));
    EXPECT_EQ(FForm.Width(), 0);
    ExpectRepresentable(FForm);
}

TEST_F(Regressions, AlignedControlsPastTheIntRangeEndAtItsEdge)
{
    // The second panel starts at 2000000000 and is as wide again: its right
    // edge stops at INT_MAX instead of wrapping around.
    Read(QStringLiteral("ALIGNED_PAST_INT_MAX"));
    FForm.HandleNeeded();
    const auto& first = Control<TPanel>("First");
    const auto& second = Control<TPanel>("Second");
    EXPECT_EQ(first.BoundsRect(), QRect(0, 0, 2000000000, 200));
    EXPECT_EQ(second.Left(), 2000000000);
    EXPECT_EQ(second.BoundsRect().right(), IntMax);
    ExpectRepresentable(first);
    ExpectRepresentable(second);
}

TEST_F(Regressions, AnchoredControlsPastTheIntRangeEndAtItsEdge)
{
    Read(QStringLiteral("ANCHORED_PAST_INT_MAX"));
    FForm.HandleNeeded();
    const auto& stretched = Control<TPanel>("Stretched");
    const auto& moved = Control<TPanel>("Moved");
    EXPECT_EQ(stretched.Width(), 2147483000);
    // 1700 pixels wider: the stretched panel cannot grow, the moved one
    // stops at the last position there is.
    FForm.SetBounds(0, 0, 2000, 200);
    EXPECT_EQ(stretched.Left(), 10);
    EXPECT_EQ(stretched.BoundsRect().right(), IntMax);
    EXPECT_EQ(moved.Left(), IntMax);
    EXPECT_EQ(moved.Top(), 40);
    ExpectRepresentable(stretched);
    ExpectRepresentable(moved);
    // Narrower again, both come back to where they were anchored.
    FForm.SetBounds(0, 0, 300, 200);
    EXPECT_EQ(stretched.Width(), 2147483000);
    EXPECT_EQ(moved.Left(), 2147483000);
}

TEST_F(Regressions, PanelBordersAndBevelsPastTheIntRangeLeaveNoRoom)
{
    // Two bevels and the border added up in an int.
    Read(QStringLiteral("PANEL_INSET_PAST_INT_MAX"));
    FForm.HandleNeeded();
    auto& framed = Control<TPanel>("Framed");
    framed.HandleNeeded();
    const auto& inside = Control<TPanel>("Inside");
    EXPECT_EQ(framed.BoundsRect(), QRect(0, 0, 300, 200));
    EXPECT_EQ(inside.Width(), 0);
    EXPECT_EQ(inside.Height(), 0);
    ExpectRepresentable(inside);
    EXPECT_FALSE(Rendered(framed).isNull());
}

TEST_F(Regressions, AFontHeightOfIntMinIsTheLargestPixelSize)
{
    // Its magnitude was taken with std::abs, which overflows for INT_MIN.
    Read(QStringLiteral("FONT_HEIGHT_INT_MIN"));
    const auto& label = Control<TLabel>("Label");
    EXPECT_EQ(label.Font().Height, IntMin);
    EXPECT_EQ(label.Font().ToQFont().pixelSize(), IntMax);
}

} // namespace
