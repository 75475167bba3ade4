#include "TestForms.h"

#include "forms/Exceptions.h"
#include "forms/TBitBtn.h"
#include "forms/TEdit.h"
#include "support/ApplicationFixture.h"

#include <QTest>
#include <QTimer>

namespace {

class ApplicationLoop : public ApplicationFixture {
protected:
    ApplicationLoop() { HandlerLog.clear(); }

    TTestDerivedForm* MakeMainForm()
    {
        Application->CreateForm(TestDerivedForm);
        return TestDerivedForm;
    }

    // Shows the main form and runs the loop until a quit posted now is taken.
    void RunBriefly()
    {
        Application->Terminate();
        Application->Run();
    }

    // A 1012 × 703 screen-centred main form, started on a screen of that size.
    TTestDerivedForm* ShowCentredOn(QSize screen)
    {
        TTestDerivedForm* form = MakeMainForm();
        form->SetPosition(poScreenCenter);
        form->SetBounds(155, 16, 1012, 703);
        Fake().Screen = screen;
        RunBriefly();
        return form;
    }
};

TEST_F(ApplicationLoop, AFailingClickIsReportedAndTheProgramGoesOn)
{
    TTestDerivedForm* form = MakeMainForm();
    auto* button = new TBitBtn(form);
    button->SetParent(form);
    button->SetBounds(10, 60, 80, 25);
    int clicks = 0;
    QObject::connect(button, &TControl::OnClick, [&](TComponent*) {
        if (++clicks == 1)
            throw EConvertError("'abc' is not a valid integer value");
    });
    form->Show();

    QTest::mouseClick(button->FocusWidget(), Qt::LeftButton);
    ASSERT_EQ(Fake().MessageBoxes.size(), 1u);
    EXPECT_EQ(Fake().MessageBoxes[0].Text, "'abc' is not a valid integer value.");

    QTest::mouseClick(button->FocusWidget(), Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(Fake().MessageBoxes.size(), 1u);
}

TEST_F(ApplicationLoop, AQuitTakenByANestedPumpEndsTheLoopOnlyWhenControlReturns)
{
    TTestDerivedForm* form = MakeMainForm();
    bool workAfterPump = false;
    QTimer::singleShot(0, [&] {
        form->close(); // posts the quit; the window stays
        EXPECT_FALSE(Application->Terminated());
        Application->ProcessMessages();
        EXPECT_TRUE(Application->Terminated());
        EXPECT_TRUE(form->isVisible());
        workAfterPump = true;
    });
    Application->Run();
    EXPECT_TRUE(workAfterPump);
    EXPECT_TRUE(Application->Terminated());
}

TEST_F(ApplicationLoop, EndOfSessionEndsTheLoopAtOnce)
{
    MakeMainForm();
    QTimer::singleShot(0, [] { Application->EndSession(); });
    Application->Run();
    EXPECT_TRUE(Application->Terminated());
}

TEST_F(ApplicationLoop, TheFirstShowingCentresOnThePrimaryScreen)
{
    TTestDerivedForm* form = ShowCentredOn(QSize(1024, 768));
    EXPECT_EQ(form->Left(), 6);
    EXPECT_EQ(form->Top(), 32);
    EXPECT_EQ(form->WindowState(), wsNormal);
}

TEST_F(ApplicationLoop, OnASmallScreenTheWindowStartsAtTheTopLeft)
{
    TTestDerivedForm* form = ShowCentredOn(QSize(800, 600));
    EXPECT_EQ(form->Left(), 0);
    EXPECT_EQ(form->Top(), 0);
}

struct ShowCase {
    const char* Name;
    int Command;
    TWindowState State;
};

class StartupShowCommand : public ApplicationLoop,
                           public ::testing::WithParamInterface<ShowCase> {};

// Maximised and minimised without activation are honoured; the rest open normally.
TEST_P(StartupShowCommand, DecidesHowTheWindowFirstShows)
{
    TTestDerivedForm* form = MakeMainForm();
    Fake().ShowCommand = GetParam().Command;
    RunBriefly();
    EXPECT_EQ(form->WindowState(), GetParam().State);
    EXPECT_EQ(form->isMaximized(), GetParam().State == wsMaximized);
    EXPECT_EQ(form->isMinimized(), GetParam().State == wsMinimized);
    EXPECT_TRUE(form->isVisible());
}

INSTANTIATE_TEST_SUITE_P(ShowCommands, StartupShowCommand,
                         ::testing::Values(ShowCase{"ShowMaximized", SW_SHOWMAXIMIZED, wsMaximized},
                                           ShowCase{"ShowMinNoActive", SW_SHOWMINNOACTIVE,
                                                    wsMinimized},
                                           ShowCase{"ShowMinimized", SW_SHOWMINIMIZED, wsNormal},
                                           ShowCase{"ShowNormal", SW_SHOWNORMAL, wsNormal},
                                           ShowCase{"ShowDefault", SW_SHOWDEFAULT, wsNormal}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ApplicationLoop, TheFirstEnabledTabStopTakesTheFocus)
{
    TTestDerivedForm* form = MakeMainForm();
    auto* disabled = new TBitBtn(form);
    disabled->SetParent(form);
    disabled->SetEnabled(false);
    auto* first = new TEdit(form);
    first->SetParent(form);
    auto* second = new TEdit(form);
    second->SetParent(form);
    disabled->SetTabOrder(0);
    second->SetTabOrder(1); // tab order: disabled, second, first
    EXPECT_EQ(second->TabOrder(), 1);
    form->Show();
    EXPECT_EQ(form->ActiveControl(), second);
    EXPECT_EQ(form->focusWidget(), second->FocusWidget());
}

} // namespace
