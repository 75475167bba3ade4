#pragma once

#include "board/TLifeBoard.h"
#include "forms/TBitBtn.h"
#include "forms/TEdit.h"
#include "frame/Neowin.h"

#include <random>

// The main window: a tool bar over the Life board, inside the skinned frame.
// The board has no cell array: its cells are the pixels of img1's bitmap, and
// the form keeps only the grid's counts, the run's flags and the generator.
class TForm1 : public TNeoForm {
    Q_OBJECT
    Q_PROPERTY(TPanel* pnl1 MEMBER pnl1)
    Q_PROPERTY(TBitBtn* btnGo MEMBER btnGo)
    Q_PROPERTY(TImage* img1 MEMBER img1)
    Q_PROPERTY(TEdit* edt1 MEMBER edt1)
    Q_PROPERTY(TLabel* lbl1 MEMBER lbl1)
    Q_PROPERTY(TLabel* lbl2 MEMBER lbl2)
    Q_PROPERTY(TBitBtn* btnStop MEMBER btnStop)
    Q_PROPERTY(TBitBtn* btn3 MEMBER btn3)
    Q_PROPERTY(TEdit* edt2 MEMBER edt2)
    Q_PROPERTY(TPanel* pnl2 MEMBER pnl2)
    Q_PROPERTY(TBitBtn* btn4 MEMBER btn4)
    Q_PROPERTY(TLabel* lbl3 MEMBER lbl3)
    Q_PROPERTY(TLabel* lbl4 MEMBER lbl4)

public:
    explicit TForm1(TComponent* owner) : TNeoForm(owner) {}

    TPanel* pnl1 = nullptr;
    TBitBtn* btnGo = nullptr;
    TImage* img1 = nullptr;
    TEdit* edt1 = nullptr;
    TLabel* lbl1 = nullptr;
    TLabel* lbl2 = nullptr;
    TBitBtn* btnStop = nullptr;
    TBitBtn* btn3 = nullptr;
    TEdit* edt2 = nullptr;
    TPanel* pnl2 = nullptr;
    TBitBtn* btn4 = nullptr;
    TLabel* lbl3 = nullptr;
    TLabel* lbl4 = nullptr;

    int FRowCount = 0;
    int FColCount = 0;
    bool FSeeded = false;
    bool FStopRequested = false;

    Q_INVOKABLE void FormCreate(TComponent* Sender);
    void InitGrid();
    Q_INVOKABLE void img1Click(TComponent* Sender);
    Q_INVOKABLE void btn3Click(TComponent* Sender);
    Q_INVOKABLE void btn4Click(TComponent* Sender);
    Q_INVOKABLE void btnStopClick(TComponent* Sender);
    Q_INVOKABLE void btnGoClick(TComponent* Sender);
    Q_INVOKABLE void lbl4Click(TComponent* Sender);

    static const QString MakerPage;

private:
    int NextRandom() { return static_cast<int>(FRandom() >> 1); }
    // Puts the run buttons and the label in their running state and sets the
    // count of the run.
    void BeginRun(int generations);
    // The loop of a run: a generation for every frame until the count is
    // done, Stop is pressed or the program quits.
    void RunGenerations();
    void EndRun();
    // The status line during a run: the generation number, from 1.
    void ShowProgress(int generation);
    // Tells a screen reader the board's size and how many cells live. It
    // counts every cell, so it runs after a user's change and at the end of a
    // run, never for each generation.
    void DescribeBoard();

    // The run in progress: it is never entered twice; Evolve pressed inside
    // its pump asks it to count anew from its new total.
    bool FRunning = false;
    bool FRestartRequested = false;
    int FRunTotal = 0;

    TLifeBoard FBoard{FRowCount, FColCount};
    std::mt19937 FRandom;
};

extern TForm1* Form1;
