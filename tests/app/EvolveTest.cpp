#include "Form1Fixture.h"

#include "forms/TBitmap.h"
#include "forms/TFramePacer.h"

#include <QTimer>

namespace {

class Evolve : public Form1Fixture {
protected:
    Evolve() { Form1->Show(); }

    // Seeds the cells with Random and keeps a copy of the board to evolve apart.
    void SeedAndRemember(const char* count)
    {
        Form1->edt2->SetText(count);
        Press(Form1->btn3);
        FReference = std::make_unique<TBitmap>(1010, 668);
        FReferenceBoard.DrawGrid(FReference->Canvas(), 1010, 668);
        for (int r = 0; r < FRows; ++r)
            for (int c = 0; c < FCols; ++c)
                if (TLifeBoard::IsAlive(Canvas(), r, c))
                    TLifeBoard::PaintAt(FReference->Canvas(), TLifeBoard::SampleX(c),
                                        TLifeBoard::SampleY(r), TLifeBoard::LivingColor);
    }

    // The remembered board's living cells after n more generations.
    std::vector<bool> ReferenceCellsAfter(int generations)
    {
        for (int g = 0; g < generations; ++g)
            FReferenceBoard.Generation(FReference->Canvas());
        return CellsOf(FReference->Image());
    }

    std::vector<bool> CellsOf(const QImage& board) const
    {
        std::vector<bool> cells;
        for (int r = 0; r < FRows; ++r)
            for (int c = 0; c < FCols; ++c)
                cells.push_back(board.pixel(TLifeBoard::SampleX(c), TLifeBoard::SampleY(r)) ==
                                qRgb(0, 0, 255));
        return cells;
    }

    // The remembered board after n more generations, compared cell by cell.
    bool BoardIsReferenceAfter(int generations)
    {
        return CellsOf(Pixels()) == ReferenceCellsAfter(generations);
    }

    void ExpectIdle()
    {
        EXPECT_TRUE(Form1->btnGo->Enabled());
        EXPECT_FALSE(Form1->btnStop->Enabled());
    }

    QString Progress(int generation) { return QStringLiteral("进化完成 %1 代.").arg(generation); }

    qint64 RefreshNs() const { return TFramePacer(*Form1).RefreshIntervalNs(); }

    int FRows = 0;
    int FCols = 0;
    TLifeBoard FReferenceBoard{FRows, FCols};
    std::unique_ptr<TBitmap> FReference;
};

TEST_F(Evolve, RunsTheCountedGenerationsAndEndsIdle)
{
    SeedAndRemember("1000");
    Form1->edt1->SetText("7");
    QStringList labels;
    for (int pump = 1; pump <= 7; ++pump)
        AtPump(pump, [&] {
            labels << Form1->lbl2->Caption();
            EXPECT_FALSE(Form1->btnGo->Enabled());
            EXPECT_TRUE(Form1->btnStop->Enabled());
        });
    Press(Form1->btnGo);
    EXPECT_EQ(labels.size(), 7);
    EXPECT_EQ(labels.first(), Progress(1));
    EXPECT_EQ(Form1->lbl2->Caption(), Progress(7));
    ExpectIdle();
    EXPECT_TRUE(BoardIsReferenceAfter(7));
}

TEST_F(Evolve, StopDuringAGenerationEndsTheRunBeforeTheNext)
{
    SeedAndRemember("1000");
    Form1->edt1->SetText("100");
    // Pump k + 1 runs after generation k: Stop pressed during generation 3.
    AtPump(4, [] { Press(Form1->btnStop); });
    Press(Form1->btnGo);
    EXPECT_EQ(Form1->lbl2->Caption(), Progress(4));
    ExpectIdle();
    EXPECT_TRUE(BoardIsReferenceAfter(3));
}

TEST_F(Evolve, ZeroGenerationsEndsAtOnce)
{
    SeedAndRemember("1000");
    Form1->edt1->SetText("0");
    Press(Form1->btnGo);
    EXPECT_EQ(Form1->lbl2->Caption(), QStringLiteral("进化中..."));
    ExpectIdle();
    EXPECT_TRUE(BoardIsReferenceAfter(0));
}

TEST_F(Evolve, AnUnseededBoardShowsTheNoticeAndChangesNothing)
{
    Form1->btnGo->SetEnabled(true);
    Form1->FStopRequested = true;
    Press(Form1->btnGo);
    ASSERT_EQ(Fake().MessageBoxes.size(), 1u);
    const auto& box = Fake().MessageBoxes[0];
    EXPECT_EQ(box.Text, QStringLiteral("没有初始化,请随机单击空白格后再试!"));
    EXPECT_EQ(box.Caption, "Talvoreth");
    EXPECT_EQ(box.Flags, MB_OK);
    EXPECT_TRUE(Form1->FStopRequested);
    EXPECT_EQ(Form1->lbl2->Caption(), QStringLiteral("已初始化"));
    ExpectIdle();
}

TEST_F(Evolve, ABadCountIsReportedAndChangesNothing)
{
    SeedAndRemember("1000");
    Form1->FStopRequested = true;
    Form1->edt1->SetText("abc");
    Press(Form1->btnGo);
    ASSERT_EQ(Fake().MessageBoxes.size(), 1u);
    EXPECT_EQ(Fake().MessageBoxes[0].Text, "'abc' is not a valid integer value.");
    EXPECT_TRUE(Form1->FStopRequested);
    EXPECT_EQ(Form1->lbl2->Caption(), QStringLiteral("已初始化"));
    ExpectIdle();
    EXPECT_TRUE(BoardIsReferenceAfter(0));
}

TEST_F(Evolve, AFailureInsideARunIsReportedAndTheNextRunStartsAndCompletes)
{
    SeedAndRemember("1000");
    Form1->edt1->SetText("10");
    AtPump(3, [] { throw std::bad_alloc(); });
    Press(Form1->btnGo);
    EXPECT_EQ(Fake().MessageBoxes.size(), 1u) << "the failure is reported";
    ExpectIdle();

    Form1->edt1->SetText("5");
    Press(Form1->btnGo);
    EXPECT_EQ(Fake().MessageBoxes.size(), 1u);
    EXPECT_EQ(Form1->lbl2->Caption(), Progress(5));
    ExpectIdle();
    EXPECT_TRUE(BoardIsReferenceAfter(2 + 5));
}

TEST_F(Evolve, ClearDuringARunEndsIt)
{
    SeedAndRemember("1000");
    Form1->edt1->SetText("100");
    AtPump(3, [] { Press(Form1->btn4); });
    Press(Form1->btnGo);
    EXPECT_EQ(Form1->lbl2->Caption(), QStringLiteral("已初始化"));
    EXPECT_EQ(LivingCells(), 0);
    EXPECT_FALSE(Form1->FSeeded);
    ExpectIdle();
}

TEST_F(Evolve, ClosingTheWindowEndsTheRunAndThenTheProgram)
{
    Form1->edt1->SetText("5000");
    bool runReturned = false;
    QTimer::singleShot(0, [&] {
        Press(Form1->btn3);
        AtPump(3, [] { Form1->close(); });
        Press(Form1->btnGo);
        runReturned = true;
        EXPECT_TRUE(Application->Terminated());
        EXPECT_EQ(Form1->lbl2->Caption(), QStringLiteral("进化完成 3 代."));
        EXPECT_TRUE(Form1->isVisible());
    });
    Application->Run();
    EXPECT_TRUE(runReturned);
}

TEST_F(Evolve, EvolveAfterRandomDuringARunRestartsIt)
{
    Form1->edt1->SetText("5");
    Press(Form1->btn3);
    QStringList labels;
    for (int pump = 1; pump <= 6; ++pump)
        AtPump(pump, [&] { labels << Form1->lbl2->Caption(); });
    AtPump(3, [&] {
        Press(Form1->btn3); // re-enables Evolve during the run
        EXPECT_TRUE(Form1->btnGo->Enabled());
        Form1->edt1->SetText("4");
        Press(Form1->btnGo);
        // Back in the running state at once, counting from 1.
        EXPECT_FALSE(Form1->btnGo->Enabled());
        EXPECT_TRUE(Form1->btnStop->Enabled());
        EXPECT_EQ(Form1->lbl2->Caption(), Progress(1));
    });
    Press(Form1->btnGo);
    // Generations 1 and 2 of the first count, then four of the second.
    EXPECT_EQ(labels, QStringList({Progress(1), Progress(2), Progress(3), Progress(2), Progress(3),
                                   Progress(4)}));
    EXPECT_EQ(Form1->lbl2->Caption(), Progress(4));
    ExpectIdle();
}

TEST_F(Evolve, StopThenEvolveInTheSamePumpGoesOnRunning)
{
    SeedAndRemember("1000");
    Form1->edt1->SetText("6");
    AtPump(2, [&] {
        Press(Form1->btnStop);
        Form1->edt1->SetText("3");
        Press(Form1->btnGo);
        EXPECT_FALSE(Form1->FStopRequested);
        EXPECT_TRUE(Form1->btnStop->Enabled());
    });
    Press(Form1->btnGo);
    EXPECT_EQ(Form1->lbl2->Caption(), Progress(3));
    ExpectIdle();
    EXPECT_TRUE(BoardIsReferenceAfter(1 + 3));
}

TEST_F(Evolve, AThousandRestartsNeverNestRuns)
{
    SeedAndRemember("1000");
    Form1->edt1->SetText("2");
    int restarts = 0;
    std::function<void()> restart = [&] {
        Press(Form1->btn3);
        Press(Form1->btnGo);
        if (++restarts < 1000)
            AtPump(1, restart);
    };
    AtPump(1, restart);
    Press(Form1->btnGo);
    EXPECT_EQ(restarts, 1000);
    EXPECT_EQ(Form1->lbl2->Caption(), Progress(2));
    ExpectIdle();
}

TEST_F(Evolve, ABadCountDuringARunChangesNothing)
{
    SeedAndRemember("1000");
    Form1->edt1->SetText("3");
    AtPump(2, [&] {
        Press(Form1->btnStop);
        Form1->edt1->SetText("x");
        Press(Form1->btnGo);
        EXPECT_TRUE(Form1->FStopRequested);
        EXPECT_TRUE(Form1->btnGo->Enabled());
    });
    Press(Form1->btnGo);
    EXPECT_EQ(Form1->lbl2->Caption(), Progress(2));
    ExpectIdle();
    EXPECT_TRUE(BoardIsReferenceAfter(1));
}

TEST_F(Evolve, SequencesAUserMakes)
{
    // Random with no seeds enables Evolve; then a line seeded by clicks.
    Form1->edt2->SetText("0");
    Press(Form1->btn3);
    for (int c = 10; c <= 12; ++c)
        ClickBoard({TLifeBoard::SampleX(c) + 1, TLifeBoard::SampleY(20) + 1});
    Form1->edt1->SetText("1");
    Press(Form1->btnGo);
    EXPECT_EQ(LivingCells(), 4);
    for (const auto& [r, c] : {std::pair{19, 11}, {19, 12}, {20, 10}, {20, 12}})
        EXPECT_TRUE(TLifeBoard::IsAlive(Canvas(), r, c)) << r << "," << c;
    ExpectIdle();

    // Stop during a run, then Evolve again: a whole new run.
    Form1->edt1->SetText("50");
    AtPump(2, [] { Press(Form1->btnStop); });
    Press(Form1->btnGo);
    EXPECT_EQ(Form1->lbl2->Caption(), Progress(2));
    Form1->edt1->SetText("3");
    Press(Form1->btnGo);
    EXPECT_EQ(Form1->lbl2->Caption(), Progress(3));
    ExpectIdle();

    // Clear after a finished run, then Evolve: the board is not seeded.
    Press(Form1->btn4);
    EXPECT_EQ(LivingCells(), 0);
    Press(Form1->btnGo);
    ASSERT_EQ(Fake().MessageBoxes.size(), 1u);
    EXPECT_EQ(Fake().MessageBoxes[0].Text, QStringLiteral("没有初始化,请随机单击空白格后再试!"));
    EXPECT_EQ(Form1->lbl2->Caption(), QStringLiteral("已初始化"));
    ExpectIdle();
}

// Notes what the board looks like each time it is painted, and during which
// frame of a run (the number of frames begun so far).
class BoardPaints : public QObject {
public:
    explicit BoardPaints(const TFakeFrameClock& clock) : FClock(clock)
    {
        Form1->img1->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            Painted.push_back(
                {FClock.Waits.size(),
                 dynamic_cast<TBitmap*>(Form1->img1->Picture().Graphic())->Image().copy()});
        return false;
    }

    struct TPaint {
        std::size_t Frame;
        QImage Board;
    };
    std::vector<TPaint> Painted;

private:
    const TFakeFrameClock& FClock;
};

TEST_F(Evolve, EveryGenerationIsPaintedOnceInOrderAndShownForOneRefresh)
{
    // A dense soup, so that most generations change the board.
    SeedAndRemember("3000");
    Form1->edt1->SetText("12");
    BoardPaints paints(Fake().Clock);
    Press(Form1->btnGo);
    QCoreApplication::processEvents();

    // Generation g is painted in the frame that shows it, before generation
    // g + 1 is made, the last one by the main loop after the run; one that
    // changed nothing leaves nothing to paint.
    std::vector<bool> previous;
    std::size_t paint = 0;
    for (std::size_t g = 0; g <= 12; ++g) {
        const std::vector<bool> cells = ReferenceCellsAfter(g == 0 ? 0 : 1);
        if (cells == previous)
            continue;
        previous = cells;
        ASSERT_LT(paint, paints.Painted.size()) << "generation " << g << " was not painted";
        EXPECT_EQ(paints.Painted[paint].Frame, g) << "generation " << g;
        EXPECT_EQ(CellsOf(paints.Painted[paint].Board), cells) << "generation " << g;
        ++paint;
    }
    EXPECT_EQ(paint, paints.Painted.size()) << "painted more often than the board changed";
    EXPECT_GT(paint, 6u) << "too few generations changed the board to tell";
    const std::vector<qint64>& frames = Fake().Clock.Waits;
    ASSERT_EQ(frames.size(), 12u);
    for (std::size_t k = 1; k < frames.size(); ++k)
        EXPECT_EQ(frames[k] - frames[k - 1], RefreshNs()) << "frame " << k;
}

// A window that paints nothing keeps the pace by the clock alone: the run
// neither stalls nor races.
TEST_F(Evolve, AWindowOutOfSightKeepsThePace)
{
    for (const auto& [name, putOutOfSight] :
         std::vector<std::pair<const char*, std::function<void()>>>{
             {"minimised", [] { Form1->SetWindowState(wsMinimized); }},
             {"hidden", [] { Form1->SetVisible(false); }}}) {
        SeedAndRemember("1000");
        putOutOfSight();
        Fake().Clock.Waits.clear();
        Form1->edt1->SetText("5");
        Press(Form1->btnGo);
        EXPECT_EQ(Form1->lbl2->Caption(), Progress(5)) << name;
        EXPECT_TRUE(BoardIsReferenceAfter(5)) << name;
        const std::vector<qint64>& frames = Fake().Clock.Waits;
        ASSERT_EQ(frames.size(), 5u) << name;
        for (std::size_t k = 1; k < frames.size(); ++k)
            EXPECT_EQ(frames[k] - frames[k - 1], RefreshNs()) << name << ", frame " << k;
        Form1->SetWindowState(wsNormal);
        Form1->Show();
    }
}

// What a user does while a generation is on screen shows in that same frame,
// and the run's next generation starts from it.
TEST_F(Evolve, WhatAUserDoesWhileAFrameShowsIsPaintedAtOnce)
{
    const std::vector<std::pair<const char*, std::function<void()>>> actions = {
        {"Random", [] { Press(Form1->btn3); }},
        {"a click on a dead cell",
         [this] {
             int c = 0;
             while (TLifeBoard::IsAlive(Canvas(), 60, c))
                 ++c;
             ClickBoard({TLifeBoard::SampleX(c) + 1, TLifeBoard::SampleY(60) + 1});
         }},
        {"Clear", [] { Press(Form1->btn4); }},
    };
    for (const auto& [name, act] : actions) {
        SeedAndRemember("1000");
        Form1->edt1->SetText("6");
        Fake().Clock.Waits.clear();
        QImage afterAction;
        AtPump(3, [&, act = act] {
            act();
            afterAction = Pixels();
        });
        BoardPaints paints(Fake().Clock);
        Press(Form1->btnGo);
        const auto inFrame3 = std::find_if(paints.Painted.begin(), paints.Painted.end(),
                                           [](const auto& paint) { return paint.Frame == 3; });
        ASSERT_NE(inFrame3, paints.Painted.end()) << name << " was not painted in its frame";
        EXPECT_EQ(inFrame3->Board, afterAction) << name;
    }
}

} // namespace
