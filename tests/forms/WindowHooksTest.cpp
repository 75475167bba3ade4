#include "forms/TForm.h"
#include "support/ApplicationFixture.h"

#include <QMetaEnum>
#include <QTest>

#include <functional>

namespace {

// A form that records what the window system tells it.
class THookedForm : public TForm {
public:
    THookedForm() : TForm(nullptr, 0) { Create(); }

    QStringList Heard;

protected:
    void SizeOrStateChanged(TWindowState state) override
    {
        Heard << QStringLiteral("size ") + QMetaEnum::fromType<TWindowState>().valueToKey(state);
    }
    void Activated(bool byClick) override
    {
        Heard << (byClick ? QStringLiteral("activated by a click") : QStringLiteral("activated"));
    }
};

using WindowHooks = ApplicationFixture;

// Every resize and change of state tells the form the state it is in; an
// activation tells it whether a click brought it, a deactivation nothing.
TEST_F(WindowHooks, TellTheFormItsStateAfterEachChangeAndHowItWasActivated)
{
    THookedForm form;
    THookedForm other;
    form.SetBounds(10, 10, 300, 200);
    const struct {
        const char* Step;
        std::function<void()> Act;
        QStringList Heard;
    } steps[] = {
        {"shown", [&] { form.Show(); }, {"size wsNormal", "activated"}},
        {"resized", [&] { form.SetBounds(10, 10, 320, 200); }, {"size wsNormal"}},
        {"maximised", [&] { form.SetWindowState(wsMaximized); }, {"size wsMaximized"}},
        {"minimised", [&] { form.SetWindowState(wsMinimized); }, {"size wsMinimized"}},
        {"restored", [&] { form.SetWindowState(wsNormal); }, {"size wsNormal"}},
        {"another window activated", [&] { other.Show(); }, {}},
        {"activated by a click",
         [&] {
             QTest::mousePress(&form, Qt::LeftButton, {}, QPoint(5, 5));
             form.activateWindow();
             QCoreApplication::processEvents();
             QTest::mouseRelease(&form, Qt::LeftButton, {}, QPoint(5, 5));
         },
         {"activated by a click"}},
    };
    for (const auto& step : steps) {
        form.Heard.clear();
        step.Act();
        QCoreApplication::processEvents();
        // A change of state may come as a resize too.
        form.Heard.removeDuplicates();
        EXPECT_EQ(form.Heard, step.Heard) << step.Step;
    }
}

} // namespace
