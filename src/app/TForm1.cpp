#include "app/TForm1.h"

#include "forms/StrToInt.h"
#include "forms/TApplication.h"
#include "forms/TCanvas.h"
#include "forms/TFramePacer.h"
#include "platform/TPlatform.h"

#include <QRandomGenerator>

TForm1* Form1 = nullptr;

// The project's home page, named once in the build.
const QString TForm1::MakerPage = QStringLiteral(TALVORETH_HOMEPAGE);

void TForm1::FormCreate(TComponent*)
{
    // Every start, even two in the same second, seeds its own sequence.
    FRandom.seed(QRandomGenerator::system()->generate());
    InitGrid();
    FSeeded = false;
    FStopRequested = false;
}

void TForm1::InitGrid()
{
    // The first request for the canvas makes the bitmap at img1's size now.
    TCanvas& canvas = img1->Canvas();
    FBoard.DrawGrid(canvas, img1->Width(), img1->Height());
    lbl2->SetCaption(QStringLiteral("已初始化"));
    DescribeBoard();
}

void TForm1::img1Click(TComponent*)
{
    const QPoint at = img1->ScreenToClient(Platform().CursorPos());
    TLifeBoard::PaintAt(img1->Canvas(), at.x(), at.y(), TLifeBoard::LivingColor);
    FSeeded = true;
    DescribeBoard();
}

void TForm1::btn3Click(TComponent*)
{
    const int count = StrToInt(edt2->Text());
    FBoard.SeedRandom(img1->Canvas(), count, [this] { return NextRandom(); });
    FSeeded = true;
    btnGo->SetEnabled(true);
    DescribeBoard();
}

void TForm1::btn4Click(TComponent*)
{
    // Raised and left raised: a run in progress stops at its next check.
    FStopRequested = true;
    InitGrid();
    FSeeded = false;
}

void TForm1::btnStopClick(TComponent*)
{
    FStopRequested = true;
    btnGo->SetEnabled(true);
    btnStop->SetEnabled(false);
}

void TForm1::btnGoClick(TComponent*)
{
    if (!FSeeded) {
        Platform().MessageBox(nullptr, QStringLiteral("没有初始化,请随机单击空白格后再试!"),
                              Application->Title(), MB_OK);
        return;
    }
    // Converted first, so a bad count leaves the buttons and the label alone.
    const int generations = StrToInt(edt1->Text());
    BeginRun(generations);
    if (FRunning) {
        // Pressed inside the run's own pump: the run counts anew from the
        // frame on screen, and the stack never grows.
        FRestartRequested = true;
        if (FRunTotal > 0)
            ShowProgress(1);
        return;
    }
    FRunning = true;
    try {
        RunGenerations();
    } catch (...) {
        // The error report tells of the failure; the next Evolve starts afresh.
        EndRun();
        throw;
    }
    EndRun();
    DescribeBoard();
}

void TForm1::RunGenerations()
{
    // Each generation stays on screen for one refresh before the next is made.
    TFramePacer pacer(*this);
    for (int index = 0; index < FRunTotal; ++index) {
        ShowProgress(index + 1);
        pacer.ShowFrame();
        // A quit taken by the pump ends the run, so closing the window works.
        if (FStopRequested || Application->Terminated())
            break;
        if (FRestartRequested) {
            // The frame on screen is the first of the new count.
            FRestartRequested = false;
            index = 0;
            if (FRunTotal <= 0)
                break;
        }
        FBoard.Generation(img1->Canvas());
    }
}

void TForm1::EndRun()
{
    FRunning = false;
    FRestartRequested = false;
    btnGo->SetEnabled(true);
    btnStop->SetEnabled(false);
}

void TForm1::BeginRun(int generations)
{
    FStopRequested = false;
    FRunTotal = generations;
    btnGo->SetEnabled(false);
    btnStop->SetEnabled(true);
    lbl2->SetCaption(QStringLiteral("进化中..."));
}

void TForm1::ShowProgress(int generation)
{
    lbl2->SetCaption(QStringLiteral("进化完成 %1 代.").arg(generation));
}

void TForm1::DescribeBoard()
{
    img1->SetAccessibleDescription(QStringLiteral("%1 行，%2 列，%3 个活细胞")
                                       .arg(FRowCount)
                                       .arg(FColCount)
                                       .arg(FBoard.LivingCount(img1->Canvas())));
}

void TForm1::lbl4Click(TComponent*)
{
    Platform().ShellExecute(this, QStringLiteral("open"), MakerPage, SW_SHOW);
}
