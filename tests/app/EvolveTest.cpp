#include "Form1Fixture.h"

#include "TCellArray.h"
#include "forms/TFramePacer.h"

#include <QTimer>

namespace {

QString Progress(int generation)
{
    return QStringLiteral("进化完成 %1 代.").arg(generation);
}

class Evolve : public Form1Fixture {
protected:
    Evolve() { Form1->Show(); }

    // Seeds the cells with Random, unless count is null, and keeps a copy of
    // the board's cells to evolve apart.
    void SeedAndRemember(const char* count)
    {
        if (count) {
            Form1->edt2->SetText(count);
            Press(Form1->btn3);
        }
        FReference = TCellArray(Form1->FRowCount, Form1->FColCount);
        for (int r = 0; r < FReference.Rows(); ++r)
            for (int c = 0; c < FReference.Cols(); ++c)
                FReference.SetAlive(r, c, TLifeBoard::IsAlive(Canvas(), r, c));
    }

    // The remembered board's living cells after n more generations.
    std::vector<bool> ReferenceCellsAfter(int generations)
    {
        for (int g = 0; g < generations; ++g)
            FReference.Generation();
        std::vector<bool> cells;
        for (int r = 0; r < FReference.Rows(); ++r)
            for (int c = 0; c < FReference.Cols(); ++c)
                cells.push_back(FReference.Alive(r, c));
        return cells;
    }

    std::vector<bool> CellsOf(const QImage& board) const
    {
        std::vector<bool> cells;
        for (int r = 0; r < FReference.Rows(); ++r)
            for (int c = 0; c < FReference.Cols(); ++c)
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

    // The clock has seen this many frames, one refresh apart.
    void ExpectPaced(std::size_t frames)
    {
        const std::vector<qint64>& waits = Fake().Clock.Waits;
        ASSERT_EQ(waits.size(), frames);
        for (std::size_t k = 1; k < waits.size(); ++k)
            EXPECT_EQ(waits[k] - waits[k - 1], TFramePacer(*Form1).RefreshIntervalNs())
                << "frame " << k;
    }

    TCellArray FReference;
};

constexpr int Cleared = -1;  // a board with no living cells, and not seeded
constexpr int Reseeded = -2; // a board seeded anew during the run, so not compared

// One press of Evolve on a board seeded by Random with Seeds (or never seeded,
// Evolve enabled by hand), with a stop request left over from before, and what
// the run shows and leaves.
struct TRun {
    const char* Name;
    const char* Seeds;
    const char* Count;
    int Pump; // Act runs while this frame of the run shows; 0: before the press
    void (*Act)();
    const char* Shown; // the count each frame shows, one refresh apart
    QString Caption;
    int Generations; // the board is the seeded one this many generations on; or as above
    bool StopRequested;
    QString Notice = {}; // the one message box, if any
    unsigned NoticeFlags = 0;
};

const QString Ready = QStringLiteral("已初始化");
const QString Unseeded = QStringLiteral("没有初始化,请随机单击空白格后再试!");
const unsigned ErrorFlags = MB_OK | MB_ICONSTOP;

const TRun Runs[] = {
    {"RunsTheCountedGenerations", "1000", "7", 0, nullptr, "1 2 3 4 5 6 7", Progress(7), 7, false},
    {"ZeroGenerationsEndsAtOnce", "1000", "0", 0, nullptr, "", QStringLiteral("进化中..."), 0,
     false},
    // Frame k + 1 shows after generation k: Stop pressed while generation 3 shows.
    {"StopEndsTheRunBeforeTheNextGeneration", "1000", "100", 4, [] { Press(Form1->btnStop); },
     "1 2 3 4", Progress(4), 3, true},
    {"ClearEndsTheRun", "1000", "100", 3, [] { Press(Form1->btn4); }, "1 2 3", Ready, Cleared,
     true},
    {"StopThenEvolveInTheSameFrameGoesOnRunning", "1000", "6", 2,
     [] {
         Press(Form1->btnStop);
         Form1->edt1->SetText("3");
         Press(Form1->btnGo);
         EXPECT_FALSE(Form1->FStopRequested);
         EXPECT_TRUE(Form1->btnStop->Enabled());
     },
     "1 2 2 3", Progress(3), 1 + 3, false},
    // Generation 1, then none: a new count of 0 ends the run at once.
    {"EvolveWithNoGenerationsDuringARunEndsIt", "1000", "6", 2,
     [] {
         Press(Form1->btnStop);
         Form1->edt1->SetText("0");
         Press(Form1->btnGo);
     },
     "1 2", QStringLiteral("进化中..."), 1, false},
    // Generations 1 and 2 of the first count, then four of the second.
    {"EvolveAfterRandomDuringARunRestartsIt", "1000", "5", 3,
     [] {
         Press(Form1->btn3); // re-enables Evolve during the run
         EXPECT_TRUE(Form1->btnGo->Enabled());
         Form1->edt1->SetText("4");
         Press(Form1->btnGo);
         // Back in the running state at once, counting from 1.
         EXPECT_FALSE(Form1->btnGo->Enabled());
         EXPECT_TRUE(Form1->btnStop->Enabled());
         EXPECT_EQ(Form1->lbl2->Caption(), Progress(1));
     },
     "1 2 3 2 3 4", Progress(4), Reseeded, false},
    {"ABadCountDuringARunChangesNothing", "1000", "3", 2,
     [] {
         Press(Form1->btnStop);
         Form1->edt1->SetText("x");
         Press(Form1->btnGo);
         // As Stop left them.
         EXPECT_TRUE(Form1->FStopRequested);
         EXPECT_TRUE(Form1->btnGo->Enabled());
         EXPECT_FALSE(Form1->btnStop->Enabled());
     },
     "1 2", Progress(2), 1, true, "'x' is not a valid integer value.", ErrorFlags},
    {"ABadCountIsReportedAndChangesNothing", "1000", "abc", 0, nullptr, "", Ready, 0, true,
     "'abc' is not a valid integer value.", ErrorFlags},
    {"AnUnseededBoardShowsTheNoticeAndChangesNothing", nullptr, "100", 0,
     [] { Form1->btnGo->SetEnabled(true); }, "", Ready, 0, true, Unseeded, MB_OK},
    // A window that paints nothing keeps the pace by the clock alone.
    {"AMinimisedWindowKeepsThePace", "1000", "5", 0, [] { Form1->SetWindowState(wsMinimized); },
     "1 2 3 4 5", Progress(5), 5, false},
    {"AHiddenWindowKeepsThePace", "1000", "5", 0, [] { Form1->SetVisible(false); }, "1 2 3 4 5",
     Progress(5), 5, false},
};

class EvolveRun : public Evolve, public ::testing::WithParamInterface<TRun> {};

TEST_P(EvolveRun, ShowsEachCountThenEndsIdleWithTheBoardAndNoticeItShould)
{
    const TRun& run = GetParam();
    SeedAndRemember(run.Seeds);
    Form1->FStopRequested = true;
    Form1->edt1->SetText(run.Count);
    if (run.Pump == 0 && run.Act)
        run.Act();
    Fake().Clock.Waits.clear();
    QStringList counts;
    for (const QString& count : QString(run.Shown).split(' ', Qt::SkipEmptyParts))
        counts << Progress(count.toInt());
    QStringList shown;
    for (int frame = 1; frame <= counts.size(); ++frame)
        AtPump(frame, [&shown, frame] {
            shown << Form1->lbl2->Caption();
            EXPECT_FALSE(Form1->btnGo->Enabled()) << "frame " << frame;
            EXPECT_TRUE(Form1->btnStop->Enabled()) << "frame " << frame;
        });
    if (run.Pump > 0)
        AtPump(run.Pump, run.Act);
    Press(Form1->btnGo);

    EXPECT_EQ(shown, counts);
    ExpectPaced(counts.size());
    EXPECT_EQ(Form1->lbl2->Caption(), run.Caption);
    ExpectIdle();
    EXPECT_EQ(Form1->FStopRequested, run.StopRequested);
    if (run.Generations >= 0) {
        EXPECT_TRUE(BoardIsReferenceAfter(run.Generations));
    } else if (run.Generations == Cleared) {
        EXPECT_EQ(LivingCells(), 0);
    }
    EXPECT_EQ(Form1->FSeeded, run.Seeds && run.Generations != Cleared);
    ASSERT_EQ(Fake().MessageBoxes.size(), run.Notice.isEmpty() ? 0u : 1u);
    for (const auto& box : Fake().MessageBoxes) {
        EXPECT_EQ(box.Text, run.Notice);
        EXPECT_EQ(box.Caption, "Talvoreth");
        EXPECT_EQ(box.Flags, run.NoticeFlags);
    }
}

INSTANTIATE_TEST_SUITE_P(Evolve, EvolveRun, ::testing::ValuesIn(Runs),
                         [](const auto& info) { return std::string(info.param.Name); });

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
        EXPECT_EQ(Form1->lbl2->Caption(), Progress(3));
        EXPECT_TRUE(Form1->isVisible());
    });
    Application->Run();
    EXPECT_TRUE(runReturned);
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

TEST_F(Evolve, AfterRandomWithNoSeedsTheClickedCellsEvolve)
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
            Painted.push_back({FClock.Waits.size(), Pixels()});
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
    ExpectPaced(12);
}

// What a user does while a generation is on screen shows in that same frame,
// and the run's next generation starts from it.
TEST_F(Evolve, WhatAUserDoesWhileAFrameShowsIsPaintedAtOnce)
{
    for (const auto& [name, act] : UserSteps()) {
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
