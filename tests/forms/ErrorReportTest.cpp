#include "forms/Exceptions.h"
#include "forms/Guard.h"
#include "forms/TControl.h"
#include "support/ApplicationFixture.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <functional>
#include <stdexcept>
#include <utility>

namespace {

TEST(MessageForDisplay, AppendsAFullStopAfterCharactersAboveIt)
{
    EXPECT_EQ(MessageForDisplay("Done."), "Done.");
    EXPECT_EQ(MessageForDisplay("Stop!"), "Stop!");
    EXPECT_EQ(MessageForDisplay("a, b,"), "a, b,");
    EXPECT_EQ(MessageForDisplay("trailing "), "trailing ");
    EXPECT_EQ(MessageForDisplay("(x)"), "(x)");
    EXPECT_EQ(MessageForDisplay("letter"), "letter.");
    EXPECT_EQ(MessageForDisplay("digit 9"), "digit 9.");
    EXPECT_EQ(MessageForDisplay("why?"), "why?.");
    EXPECT_EQ(MessageForDisplay(QStringLiteral("已初始化")), QStringLiteral("已初始化."));
    EXPECT_EQ(MessageForDisplay(""), "");
}

using ErrorReport = ApplicationFixture;

// A message of ours shows with a full stop, a foreign exception as an empty
// box, an abort not at all: in a stop box under the application's title.
TEST_F(ErrorReport, ShowsTheMessageInAStopBoxUnderTheTitle)
{
    const std::pair<std::function<void()>, std::vector<QString>> cases[] = {
        {[] { throw EConvertError("'abc' is not a valid integer value"); },
         {"'abc' is not a valid integer value."}},
        {[] { throw std::runtime_error("not ours"); }, {""}},
        {[] { throw EAbort("ignored"); }, {}},
    };
    for (const auto& [failure, texts] : cases) {
        Fake().MessageBoxes.clear();
        Guard(failure);
        std::vector<QString> shown;
        for (const auto& box : Fake().MessageBoxes) {
            shown.push_back(box.Text);
            EXPECT_EQ(box.Caption, "Talvoreth");
            EXPECT_EQ(box.Flags, MB_OK | MB_ICONSTOP);
        }
        EXPECT_EQ(shown, texts);
    }
}

TEST_F(ErrorReport, CancelsTheMouseCaptureFirst)
{
    TControl control(nullptr);
    std::vector<QString> events;
    QObject::connect(&control, &TControl::OnMouseUp,
                     [&](TComponent*, TMouseButton, TShiftState, int x, int y) {
                         events.push_back(QStringLiteral("up %1,%2").arg(x).arg(y));
                     });
    Fake().WhileMessageBoxShown = [&] { events.push_back("box"); };
    QObject::connect(
        &control, &TControl::OnMouseDown,
        [](TComponent*, TMouseButton, TShiftState, int, int) { throw Exception("drag failed"); });
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 4), QPointF(3, 4), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&control, &press);

    EXPECT_EQ(events, (std::vector<QString>{"up -1,-1", "box"}));
    EXPECT_FALSE(control.MouseCapture());
    EXPECT_EQ(TControl::CaptureControl(), nullptr);
}

TEST_F(ErrorReport, FindsNoCaptureOfAControlDestroyedWhileHoldingIt)
{
    auto* control = new TControl(nullptr);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 4), QPointF(3, 4), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(control, &press);
    ASSERT_EQ(TControl::CaptureControl(), control);
    delete control;
    EXPECT_EQ(TControl::CaptureControl(), nullptr);
    // The next report cancels the capture's mode first: of no destroyed control.
    Guard([] { throw Exception("later"); });
    EXPECT_EQ(Fake().MessageBoxes.size(), 1u);
}

// With no application there is no report, and a failure must not vanish.
TEST(ErrorReportDeathTest, WithoutAnApplicationAFailureEndsTheProgram)
{
    EXPECT_DEATH(Guard([] { throw Exception("lost"); }), "");
}

} // namespace
