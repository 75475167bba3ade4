#include "Form1Fixture.h"

#include "forms/TBitmap.h"

#include <QApplication>
#include <QFontDatabase>
#include <QMouseEvent>
#include <QUrl>

namespace {

using MainWindow = Form1Fixture;

TEST_F(MainWindow, TheFirstBoardIsDrawnAtTheImagesStoredSize)
{
    ASSERT_NE(dynamic_cast<TBitmap*>(Form1->img1->Picture().Graphic()), nullptr);
    EXPECT_EQ(Pixels().size(), QSize(1010, 668));
    EXPECT_EQ(Form1->FColCount, 202);
    EXPECT_EQ(Form1->FRowCount, 133);
    EXPECT_EQ(Canvas().PixelAt(1009, 1), 0x000000u);
    EXPECT_EQ(Form1->img1->BoundsRect(), QRect(1, 34, 1010, 668));
}

TEST_F(MainWindow, OpensAsDescribed)
{
    EXPECT_EQ(Form1->Caption(), "Talvoreth");
    EXPECT_EQ(Form1->CaptionLabel->Caption(), "Talvoreth");
    EXPECT_EQ(Form1->ClientWidth(), 1012);
    EXPECT_EQ(Form1->ClientHeight(), 703);
    EXPECT_EQ(Form1->BorderStyle(), bsNone);
    EXPECT_EQ(Form1->BorderIcons(), biSystemMenu | biMinimize);
    EXPECT_EQ(Form1->Color(), 0xCFCFCFu);
    EXPECT_EQ(Form1->Font().Name, QStringLiteral("宋体"));
    EXPECT_EQ(Form1->Font().Height, -13);
    EXPECT_EQ(Form1->btn3->Font().Height, -13) << "inherited";
    EXPECT_EQ(Form1->CaptionLabel->Font().Height, -12) << "its own";
    EXPECT_TRUE(Form1->MinImage->Visible());
    EXPECT_FALSE(Form1->MaxImage->Visible());
    EXPECT_FALSE(Form1->RestoreImage->Visible());
    EXPECT_TRUE(Form1->CloseImage->Visible());
    EXPECT_EQ(Form1->lbl2->Caption(), QStringLiteral("已初始化"));
    EXPECT_EQ(Form1->lbl2->Color(), clInfoBk);
    EXPECT_EQ(Form1->lbl4->Caption(), QStringLiteral("Quorvel工作室（quorvel.example）"));
    EXPECT_EQ(Form1->lbl4->Font().Color, clBlue);
    EXPECT_EQ(Form1->lbl1->Font().Height, -13);
    EXPECT_EQ(Form1->edt1->Text(), "100");
    EXPECT_EQ(Form1->edt2->Text(), "1000");
    EXPECT_FALSE(Form1->btnGo->Enabled());
    EXPECT_FALSE(Form1->btnStop->Enabled());
    EXPECT_TRUE(Form1->btn3->Enabled());

    // The frame's controls come first, the board's panel last.
    const auto& children = Form1->Controls();
    ASSERT_EQ(children.size(), 8u);
    EXPECT_EQ(children.front(), Form1->LeftImage);
    EXPECT_EQ(children.back(), Form1->pnl2);

    Fake().Screen = QSize(1024, 768);
    Application->Terminate();
    Application->Run();
    EXPECT_EQ(Form1->BoundsRect(), QRect(6, 32, 1012, 703));
    EXPECT_EQ(Form1->ActiveControl(), Form1->edt1);
}

TEST_F(MainWindow, ShowsTheBoardInsideTheFrame)
{
    Form1->Show();
    EXPECT_EQ(Form1->img1->mapTo(Form1, QPoint(0, 0)), QPoint(11, 74));

    // The bitmap from its top-left corner, pixel for pixel.
    const QImage shot = Form1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shot.pixel(11, 74), qRgb(188, 188, 188));
    EXPECT_EQ(shot.pixel(13, 76), qRgb(255, 255, 255));
    EXPECT_EQ(shot.pixel(16, 80), qRgb(188, 188, 188));
    // The status label on its pale background.
    const QRect status(Form1->lbl2->mapTo(Form1, QPoint(0, 0)), Form1->lbl2->size());
    int background = 0;
    for (int y = status.top(); y <= status.bottom(); ++y)
        for (int x = status.left(); x <= status.right(); ++x)
            background += QColor(shot.pixel(x, y)) == ToQColor(clInfoBk);
    EXPECT_GT(background, status.width() * status.height() / 2);
}

TEST_F(MainWindow, FollowsTheWindowsSizeAndCutsTheToolBarOff)
{
    Fake().Work = QRect(0, 0, 2560, 1400);
    Form1->Show();
    // First as shown at the size it opens at, then resized by code.
    for (const QSize size : {QSize(1012, 703), QSize(800, 500), QSize(2400, 1300)}) {
        const int w = size.width();
        const int h = size.height();
        if (Form1->BoundsRect().size() != size)
            Form1->SetBounds(0, 0, w, h);
        // The frame's own parts are the frame tests' business.
        const std::pair<TControl*, QRect> layout[] = {
            {Form1->pnl2, QRect(10, 40, w - 23, h - 52)},
            {Form1->pnl1, QRect(1, 1, w - 25, 33)},
            {Form1->img1, QRect(1, 34, w - 25, h - 87)},
        };
        for (const auto& [control, bounds] : layout)
            EXPECT_EQ(control->BoundsRect(), bounds) << control->Name().toStdString() << " " << w;
        EXPECT_EQ(Form1->lbl4->Left(), 775);
        EXPECT_EQ(Form1->btnGo->Left(), 341);
        EXPECT_EQ(Pixels().size(), QSize(1010, 668));
    }
    // Past the bitmap the panel face shows, and the panel's caption at its centre.
    const QImage panel = Form1->pnl2->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint centre(panel.width() / 2, panel.height() / 2);
    int ink = 0;
    for (int y = centre.y() - 8; y <= centre.y() + 8; ++y)
        for (int x = centre.x() - 20; x <= centre.x() + 20; ++x)
            ink += qGray(panel.pixel(x, y)) < 128;
    EXPECT_GT(ink, 5) << "the caption pnl2";
    EXPECT_EQ(QColor(panel.pixel(1500, 200)), ToQColor(clBtnFace));
}

TEST_F(MainWindow, HasNoMaximisingAndMinimisesTheApplication)
{
    Form1->Show();
    QTest::mouseClick(Form1->CaptionLabel, Qt::LeftButton, {}, QPoint(50, 5));
    QTest::mouseDClick(Form1->CaptionLabel, Qt::LeftButton, {}, QPoint(50, 5));
    EXPECT_EQ(Form1->WindowState(), wsNormal);
    for (const TWindowState state : {wsMaximized, wsNormal}) {
        Form1->SetWindowState(state);
        EXPECT_FALSE(Form1->MaxImage->Visible() || Form1->RestoreImage->Visible()) << state;
    }

    // The caption moves the main window; the grips do not size it.
    const QRect before = Form1->BoundsRect();
    Fake().Cursor = Form1->CaptionLabel->mapToGlobal(QPoint(50, 5));
    QTest::mousePress(Form1->CaptionLabel, Qt::LeftButton, {}, QPoint(50, 5));
    Fake().Cursor += QPoint(-30, 12);
    QTest::mouseMove(Form1->CaptionLabel, QPoint(20, 17));
    QTest::mouseRelease(Form1->CaptionLabel, Qt::LeftButton, {}, QPoint(20, 17));
    EXPECT_EQ(Form1->BoundsRect(), before.translated(-30, 12));
    QTest::mousePress(Form1->RightImage, Qt::LeftButton, {}, QPoint(5, 100));
    Fake().Cursor += QPoint(40, 0);
    QTest::mouseMove(Form1->RightImage, QPoint(45, 100));
    QTest::mouseRelease(Form1->RightImage, Qt::LeftButton, {}, QPoint(45, 100));
    EXPECT_EQ(Form1->BoundsRect(), before.translated(-30, 12));

    Form1->MinImage->Click();
    EXPECT_EQ(Form1->WindowState(), wsMinimized);
    EXPECT_TRUE(Fake().ShowWindowCalls.empty()) << "the task-bar button stays";
}

TEST_F(MainWindow, KeepsTheFocusedControlWhenHiddenAndShownAgain)
{
    Form1->Show();
    QApplication::setActiveWindow(Form1);
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
    Form1->edt2->FocusWidget()->setFocus();
    Form1->SetVisible(false);
    Form1->Show();
    QApplication::setActiveWindow(Form1);
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
    EXPECT_EQ(QApplication::focusWidget(), Form1->edt2->FocusWidget());
    EXPECT_EQ(Form1->ActiveControl(), Form1->edt1) << "chosen at the first showing only";
}

TEST_F(MainWindow, DisabledControlsLookDisabled)
{
    Form1->Show();
    // The darkest pixel of a control: its text.
    const auto darkest = [](QWidget* widget) {
        const QImage shot = widget->grab().toImage();
        int dark = 255;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 4; x < shot.width() - 4; ++x)
                dark = std::min(dark, qGray(shot.pixel(x, y)));
        return dark;
    };
    for (TControl* control : std::vector<TControl*>{Form1->btnGo, Form1->edt1, Form1->lbl1}) {
        control->SetEnabled(false);
        const int disabled = darkest(control);
        control->SetEnabled(true);
        const int enabled = darkest(control);
        EXPECT_GT(disabled, enabled + 40) << control->Name().toStdString();
    }
}

TEST_F(MainWindow, TabVisitsTheEnabledControlsAndKeysPressButtons)
{
    Form1->Show();
    QApplication::setActiveWindow(Form1);
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
    const auto focused = [] { return QApplication::focusWidget(); };
    EXPECT_EQ(focused(), Form1->edt1->FocusWidget());
    const std::vector<TWinControl*> cycle = {Form1->btn3, Form1->edt2, Form1->btn4, Form1->edt1};
    for (TWinControl* next : cycle) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        EXPECT_EQ(focused(), next->FocusWidget()) << next->Name().toStdString();
    }
    Form1->btnGo->SetEnabled(true);
    Form1->btn4->FocusWidget()->setFocus();
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(focused(), Form1->btnGo->FocusWidget());

    // Space and Return on a focused button press it: Random seeds the board.
    Form1->btn3->FocusWidget()->setFocus();
    Form1->edt2->SetText("5");
    QTest::keyClick(focused(), Qt::Key_Space);
    EXPECT_GT(LivingCells(), 0);
    Form1->btn4->FocusWidget()->setFocus();
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_EQ(LivingCells(), 0) << "Clear";
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

TEST_F(MainWindow, QuickClicksOnNeighbouringCellsEachSeedTheirCell)
{
    Form1->Show();
    // The second press comes as a double-click when it is quick and within
    // the desktop's distance; one cell's pitch away it is a press of its own.
    const auto quickSecondClick = [](QWidget* widget, QPoint at) {
        const QPointF global = widget->mapToGlobal(QPointF(at));
        QMouseEvent press(QEvent::MouseButtonDblClick, QPointF(at), global, Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), global, Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &release);
    };
    ClickBoard({13, 8});
    Fake().Cursor = Form1->img1->mapToGlobal(QPoint(18, 8));
    quickSecondClick(Form1->img1, {18, 8});
    EXPECT_TRUE(TLifeBoard::IsAlive(Canvas(), 1, 2));
    EXPECT_TRUE(TLifeBoard::IsAlive(Canvas(), 1, 3));

    // Close together it is a double-click: the control box closes the window.
    QTest::mouseClick(Form1->ControlBoxImage, Qt::LeftButton, {}, QPoint(5, 5));
    quickSecondClick(Form1->ControlBoxImage, {8, 5});
    QCoreApplication::processEvents();
    EXPECT_FALSE(Application->Terminated());
    quickSecondClick(Form1->ControlBoxImage, {9, 6});
    QCoreApplication::processEvents();
    EXPECT_TRUE(Application->Terminated());
}

TEST_F(MainWindow, AClickOnAGridLineSeedsNothingButMarksTheBoardSeeded)
{
    Form1->Show();
    const QImage before = Pixels();
    ClickBoard({10, 8});
    EXPECT_EQ(Pixels(), before);
    EXPECT_TRUE(Form1->FSeeded);
}

TEST_F(MainWindow, EveryStartSeedsADifferentRandomBoard)
{
    TForm1* secondStart = nullptr;
    Application->CreateForm(secondStart);
    for (TForm1* form : {Form1, secondStart})
        Press(form->btn3);
    EXPECT_NE(Pixels(Form1), Pixels(secondStart));
}

// Random on the first board with Text in the count field: a count seeds at
// most that many cells (the draws may land on a cell twice) and enables
// Evolve even when it seeds none; a bad count is reported and changes nothing.
struct TRandomCount {
    const char* Name;
    const char* Text;
    int Least;
    int Most;
    bool Valid;
};

const TRandomCount RandomCounts[] = {
    {"LeadingSpaces", "  42", 31, 42, true},
    {"Hexadecimal", "$2A", 31, 42, true},
    {"Zero", "0", 0, 0, true},
    {"Negative", "-5", 0, 0, true},
    {"TheLargestFillsTheBoard", "2147483647", 202 * 133, 202 * 133, true},
    {"Letters", "abc", 0, 0, false},
    {"TrailingSpace", "42 ", 0, 0, false},
    {"Empty", "", 0, 0, false},
};

class RandomCount : public Form1Fixture, public ::testing::WithParamInterface<TRandomCount> {};

TEST_P(RandomCount, SeedsAtMostThatManyCellsOrReportsTheCount)
{
    const TRandomCount& row = GetParam();
    const QImage before = Pixels();
    Form1->edt2->SetText(row.Text);
    Press(Form1->btn3);
    EXPECT_GE(LivingCells(), row.Least);
    EXPECT_LE(LivingCells(), row.Most);
    EXPECT_EQ(Form1->FSeeded, row.Valid);
    EXPECT_EQ(Form1->btnGo->Enabled(), row.Valid);
    ASSERT_EQ(Fake().MessageBoxes.size(), row.Valid ? 0u : 1u);
    for (const auto& box : Fake().MessageBoxes) {
        EXPECT_EQ(box.Text, QStringLiteral("'%1' is not a valid integer value.").arg(row.Text));
        EXPECT_EQ(box.Caption, "Talvoreth");
    }
    EXPECT_EQ(Pixels() == before, row.Most == 0) << "the board changes only where cells are seeded";
}

INSTANTIATE_TEST_SUITE_P(MainWindow, RandomCount, ::testing::ValuesIn(RandomCounts),
                         [](const auto& info) { return std::string(info.param.Name); });

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

TEST_F(MainWindow, TheLinkFitsTheToolBarAndAsksTheDesktopToOpenTheMakersPage)
{
    Form1->Show();
    ASSERT_EQ(Form1->pnl1->Width(), 987);
    // The label sizes itself to its text; all of it stays clear of the panel's
    // bevel. Qt's offscreen platform on Windows finds none of the desktop's
    // fonts to measure it with.
    if (!QFontDatabase::families().isEmpty()) {
        EXPECT_LE(Form1->lbl4->Left() + Form1->lbl4->Width(),
                  Form1->pnl1->Width() - Form1->pnl1->BevelWidth());
    }

    QTest::mouseClick(Form1->lbl4, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    ASSERT_EQ(Fake().ShellCalls.size(), 1u);
    const auto& call = Fake().ShellCalls[0];
    EXPECT_EQ(call.Parent, Form1);
    EXPECT_EQ(call.Verb, "open");
    EXPECT_EQ(call.File, "http://quorvel.example/");
    EXPECT_EQ(call.ShowCommand, SW_SHOW);
    EXPECT_EQ(Form1->lbl4->Caption(),
              QStringLiteral("Quorvel工作室（%1）").arg(QUrl(call.File).host()))
        << "the label names the page it opens";
}

} // namespace
