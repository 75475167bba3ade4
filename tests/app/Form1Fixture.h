#pragma once

#include "app/TForm1.h"
#include "forms/TBitmap.h"
#include "forms/TBitBtn.h"
#include "forms/TCanvas.h"
#include "forms/TEdit.h"
#include "forms/TImage.h"
#include "forms/TLabel.h"
#include "support/ApplicationFixture.h"

#include <QPushButton>
#include <QTest>

#include <functional>

// The real main window, built from its description on the fake platform.
class Form1Fixture : public ApplicationFixture {
protected:
    Form1Fixture() { Application->CreateForm(Form1); }

    TCanvas& Canvas() { return Form1->img1->Canvas(); }

    int LivingCells()
    {
        int count = 0;
        for (int r = 0; r < Form1->FRowCount; ++r)
            for (int c = 0; c < Form1->FColCount; ++c)
                count += TLifeBoard::IsAlive(Canvas(), r, c);
        return count;
    }

    // A real mouse click on a button, through Qt.
    static void Press(TBitBtn* button)
    {
        static_cast<QPushButton*>(button->FocusWidget())->click();
    }

    // Clicks the board at a point of img1, with the cursor there.
    void ClickBoard(QPoint at)
    {
        Fake().Cursor = Form1->img1->mapToGlobal(at);
        QTest::mouseClick(Form1->img1, Qt::LeftButton, Qt::NoModifier, at);
    }

    QImage Pixels() { return dynamic_cast<TBitmap*>(Form1->img1->Picture().Graphic())->Image().copy(); }

    // Runs action inside the n-th message pump from now, counting from 1.
    static void AtPump(int n, std::function<void()> action)
    {
        QMetaObject::invokeMethod(
            &Context(),
            [n, action] {
                if (n <= 1)
                    action();
                else
                    AtPump(n - 1, action);
            },
            Qt::QueuedConnection);
    }

private:
    static QObject& Context()
    {
        static QObject context;
        return context;
    }
};
