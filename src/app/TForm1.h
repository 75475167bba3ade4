#pragma once

#include "board/TLifeBoard.h"
#include "frame/Neowin.h"

#include <random>

class TBitBtn;
class TEdit;
class TImage;
class TLabel;
class TPanel;

// The main window: a tool bar over the Life board, inside the skinned frame.
// The board lives in the pixels of img1's bitmap; the four fields below are
// all the state it has.
class TForm1 : public TNeoForm {
public:
    explicit TForm1(TComponent* owner) : TNeoForm(owner) {}

    static const TFormClass& StaticClass();
    const TFormClass& FormClass() const override { return StaticClass(); }

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

    void FormCreate(TComponent* Sender);
    void InitGrid();
    void img1Click(TComponent* Sender);
    void btn3Click(TComponent* Sender);
    void btn4Click(TComponent* Sender);
    void btnStopClick(TComponent* Sender);
    void btnGoClick(TComponent* Sender);
    void lbl4Click(TComponent* Sender);

    static const QString MakerPage;

private:
    int NextRandom() { return static_cast<int>(FRandom() >> 1); }
    // Puts the run buttons and the label in their running state and (re)starts
    // the count of the run.
    void BeginRun(int generations);
    // The loop of a run: a generation for every frame until the count is
    // done, Stop is pressed or the program quits.
    void RunGenerations();
    void EndRun();
    void ShowProgress();
    // Tells a screen reader the board's size and how many cells live. It
    // counts every cell, so it runs after a user's change and at the end of a
    // run, never for each generation.
    void DescribeBoard();

    // The run in progress: it is never entered twice; Evolve pressed inside
    // its pump restarts it.
    bool FRunning = false;
    int FRunTotal = 0;
    int FRunIndex = 0;

    TLifeBoard FBoard{FRowCount, FColCount};
    std::mt19937 FRandom;
};

extern TForm1* Form1;
