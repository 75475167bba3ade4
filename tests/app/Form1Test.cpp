#include "Form1Fixture.h"

#include "forms/TBitmap.h"
#include "forms/TPanel.h"

namespace {

using MainWindow = Form1Fixture;

TEST_F(MainWindow, TheFirstBoardIsDrawnAtTheImagesStoredSize)
{
    auto* bitmap = dynamic_cast<TBitmap*>(Form1->img1->Picture().Graphic());
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->Width(), 1010);
    EXPECT_EQ(bitmap->Height(), 668);
    EXPECT_EQ(Form1->FColCount, 202);
    EXPECT_EQ(Form1->FRowCount, 133);
    EXPECT_EQ(Canvas().PixelAt(1009, 1), 0x000000u);
    EXPECT_EQ(Form1->img1->BoundsRect(), QRect(1, 34, 1010, 668));
}

TEST_F(MainWindow, OpensAsDescribed)
{
    EXPECT_EQ(Form1->Caption(), "Talvoreth");
    EXPECT_EQ(Form1->ClientWidth(), 1012);
    EXPECT_EQ(Form1->ClientHeight(), 703);
    EXPECT_EQ(Form1->BorderStyle(), bsNone);
    EXPECT_EQ(Form1->BorderIcons(), biSystemMenu | biMinimize);
    EXPECT_EQ(Form1->lbl2->Caption(), QStringLiteral("已初始化"));
    EXPECT_EQ(Form1->lbl2->Color(), clInfoBk);
    EXPECT_EQ(Form1->lbl4->Caption(), QStringLiteral("Quorvel工作室（www.quorvel.example）"));
    EXPECT_EQ(Form1->lbl4->Font().Color, clBlue);
    EXPECT_EQ(Form1->lbl1->Font().Height, -13);
    EXPECT_EQ(Form1->edt1->Text(), "100");
    EXPECT_EQ(Form1->edt2->Text(), "1000");
    EXPECT_FALSE(Form1->btnGo->Enabled());
    EXPECT_FALSE(Form1->btnStop->Enabled());
    EXPECT_TRUE(Form1->btn3->Enabled());
    EXPECT_FALSE(Form1->FSeeded);
    EXPECT_FALSE(Form1->FStopRequested);

    Fake().Screen = QSize(1024, 768);
    Application->Terminate();
    Application->Run();
    EXPECT_EQ(Form1->BoundsRect(), QRect(6, 32, 1012, 703));
    EXPECT_EQ(Form1->pnl1->BoundsRect(), QRect(1, 1, 1010, 33));
    EXPECT_EQ(Form1->img1->BoundsRect(), QRect(1, 34, 1010, 668));
    EXPECT_EQ(Form1->ActiveControl(), Form1->edt1);
}

TEST_F(MainWindow, ClicksSeedCellsWithoutEnablingEvolve)
{
    Form1->Show();
    ClickBoard({13, 8});
    EXPECT_TRUE(TLifeBoard::IsAlive(Canvas(), 1, 2));
    EXPECT_EQ(LivingCells(), 1);
    EXPECT_TRUE(Form1->FSeeded);
    EXPECT_FALSE(Form1->btnGo->Enabled());

    ClickBoard({14, 9}); // the same cell again: it stays alive
    EXPECT_TRUE(TLifeBoard::IsAlive(Canvas(), 1, 2));
    EXPECT_EQ(LivingCells(), 1);
}

TEST_F(MainWindow, AClickOnAGridLineSeedsNothingButMarksTheBoardSeeded)
{
    Form1->Show();
    const QImage before = Pixels();
    ClickBoard({10, 8});
    EXPECT_EQ(Pixels(), before);
    EXPECT_TRUE(Form1->FSeeded);
}

TEST_F(MainWindow, RandomSeedsTheCountInTheField)
{
    for (const char* text : {"  42", "$2A"}) {
        Press(Form1->btn4);
        Form1->edt2->SetText(text);
        Press(Form1->btn3);
        EXPECT_GT(LivingCells(), 30) << text;
        EXPECT_LE(LivingCells(), 42) << text;
        EXPECT_TRUE(Form1->FSeeded);
        EXPECT_TRUE(Form1->btnGo->Enabled());
    }
    EXPECT_TRUE(Fake().MessageBoxes.empty());
}

TEST_F(MainWindow, RandomWithABadCountReportsItAndChangesNothing)
{
    for (const char* text : {"abc", "42 ", ""}) {
        const QImage before = Pixels();
        Form1->edt2->SetText(text);
        Press(Form1->btn3);
        ASSERT_FALSE(Fake().MessageBoxes.empty());
        EXPECT_EQ(Fake().MessageBoxes.back().Text,
                  QStringLiteral("'%1' is not a valid integer value.").arg(text));
        EXPECT_EQ(Fake().MessageBoxes.back().Caption, "Talvoreth");
        EXPECT_EQ(Pixels(), before);
        EXPECT_FALSE(Form1->FSeeded);
        EXPECT_FALSE(Form1->btnGo->Enabled());
    }
}

TEST_F(MainWindow, RandomWithNoSeedsStillEnablesEvolve)
{
    for (const char* text : {"0", "-5"}) {
        Form1->edt2->SetText(text);
        Press(Form1->btn3);
        EXPECT_EQ(LivingCells(), 0);
        EXPECT_TRUE(Form1->FSeeded);
        EXPECT_TRUE(Form1->btnGo->Enabled());
    }
}

TEST_F(MainWindow, RandomWithTheLargestCountFillsTheBoard)
{
    Form1->edt2->SetText("2147483647");
    Press(Form1->btn3);
    EXPECT_EQ(LivingCells(), 202 * 133);
}

TEST_F(MainWindow, ClearRedrawsTheBoardAtTheImagesCurrentSize)
{
    Press(Form1->btn3);
    Form1->img1->SetBounds(1, 34, 987, 616);
    Press(Form1->btn4);
    EXPECT_EQ(Form1->FColCount, 197);
    EXPECT_EQ(Form1->FRowCount, 123);
    EXPECT_EQ(LivingCells(), 0);
    EXPECT_EQ(Canvas().PixelAt(986, 300), TLifeBoard::GridColor);
    EXPECT_EQ(Canvas().PixelAt(500, 615), TLifeBoard::GridColor);
    EXPECT_EQ(Form1->lbl2->Caption(), QStringLiteral("已初始化"));
    EXPECT_FALSE(Form1->FSeeded);
    EXPECT_TRUE(Form1->btnGo->Enabled()); // Clear leaves the buttons alone
}

TEST_F(MainWindow, StopTogglesTheRunButtons)
{
    Form1->btnStop->SetEnabled(true);
    Press(Form1->btnStop);
    EXPECT_TRUE(Form1->FStopRequested);
    EXPECT_TRUE(Form1->btnGo->Enabled());
    EXPECT_FALSE(Form1->btnStop->Enabled());
}

TEST_F(MainWindow, TheLinkAsksTheDesktopToOpenTheMakersPage)
{
    Form1->Show();
    QTest::mouseClick(Form1->lbl4, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    ASSERT_EQ(Fake().ShellCalls.size(), 1u);
    const auto& call = Fake().ShellCalls[0];
    EXPECT_EQ(call.Parent, Form1);
    EXPECT_EQ(call.Verb, "open");
    EXPECT_EQ(call.File, "http://www.quorvel.example/");
    EXPECT_EQ(call.ShowCommand, SW_SHOW);
}

} // namespace
