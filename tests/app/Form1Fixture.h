#pragma once

#include "app/TForm1.h"
#include "forms/TBitmap.h"
#include "forms/TCanvas.h"
#include "support/ApplicationFixture.h"

#include <QPushButton>
#include <QTest>

#include <functional>
#include <map>
#include <utility>
#include <vector>

// Failures show Qt's strings as text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// A real mouse click on a button, through Qt.
inline void Press(TBitBtn* button)
{
    static_cast<QPushButton*>(button->FocusWidget())->click();
}

// The board's bitmap as it is now.
inline QImage Pixels(const TForm1* form = Form1)
{
    return dynamic_cast<TBitmap*>(form->img1->Picture().Graphic())->Image().copy();
}

// The real main window, built from its description on the fake platform.
class Form1Fixture : public ApplicationFixture {
protected:
    Form1Fixture()
    {
        Application->CreateForm(Form1);
        Fake().Clock.WhileWaiting = [this] { RunActionsOfThisWait(); };
    }

    TCanvas& Canvas() { return Form1->img1->Canvas(); }

    int LivingCells()
    {
        int count = 0;
        for (int r = 0; r < Form1->FRowCount; ++r)
            for (int c = 0; c < Form1->FColCount; ++c)
                count += TLifeBoard::IsAlive(Canvas(), r, c);
        return count;
    }

    // Clicks the board at a point of img1, with the cursor there.
    void ClickBoard(QPoint at)
    {
        Fake().Cursor = Form1->img1->mapToGlobal(at);
        QTest::mouseClick(Form1->img1, Qt::LeftButton, Qt::NoModifier, at);
    }

    // What a user does to the board between runs: Random, a click on the
    // first dead cell in reading order, Clear.
    std::vector<std::pair<const char*, std::function<void()>>> UserSteps()
    {
        const auto clickADeadCell = [this] {
            for (int r = 0;; ++r)
                for (int c = 0; c < Form1->FColCount; ++c)
                    if (!TLifeBoard::IsAlive(Canvas(), r, c))
                        return ClickBoard({TLifeBoard::SampleX(c), TLifeBoard::SampleY(r)});
        };
        return {{"Random", [] { Press(Form1->btn3); }},
                {"a click on a dead cell", clickADeadCell},
                {"Clear", [] { Press(Form1->btn4); }}};
    }

    // Runs action while the n-th frame of a run from now is on screen, counting
    // from 1, as a user acting during the run's pump would.
    void AtPump(int n, std::function<void()> action)
    {
        FAtWait.emplace(Fake().Clock.Waits.size() + n, std::move(action));
    }

private:
    void RunActionsOfThisWait()
    {
        const auto [first, last] = FAtWait.equal_range(Fake().Clock.Waits.size());
        std::vector<std::function<void()>> due;
        for (auto it = first; it != last; ++it)
            due.push_back(std::move(it->second));
        FAtWait.erase(first, last);
        for (const auto& action : due)
            action();
    }

    std::multimap<std::size_t, std::function<void()>> FAtWait;
};
