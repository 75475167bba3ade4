// A form's repaints keep to its screen's refresh: a burst of changes paints
// at most one frame per refresh and ends with its last change on screen,
// while a lone change is painted by the very next pump.
#include "forms/TForm.h"
#include "forms/TLabel.h"
#include "support/ApplicationFixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QTest>

#include <vector>

namespace {

// Notes the label's caption each time the label is painted.
class CaptionsPainted : public QObject {
public:
    explicit CaptionsPainted(TLabel& label) : FLabel(label) { label.installEventFilter(this); }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            Captions.push_back(FLabel.Caption());
        return false;
    }

    std::vector<QString> Captions;

private:
    TLabel& FLabel;
};

class FramePacing : public ApplicationFixture {
protected:
    FramePacing()
    {
        Form.Create();
        Label->SetParent(&Form);
        Label->SetBounds(10, 10, 120, 20);
        Form.Show();
        QCoreApplication::processEvents();
    }

    // How long one refresh of the form's screen lasts.
    double FrameMs() const { return 1000.0 / Form.screen()->refreshRate(); }

    // Lets more than one refresh pass with nothing to paint.
    void Pause() { QTest::qWait(static_cast<int>(3 * FrameMs())); }

    TForm Form{nullptr, 0};
    TLabel* Label = new TLabel(&Form);
};

TEST_F(FramePacing, ALoneChangeIsPaintedByTheNextPump)
{
    for (const char* caption : {"one", "two", "three"}) {
        Pause();
        CaptionsPainted painted(*Label);
        Label->SetCaption(caption);
        QCoreApplication::processEvents();
        EXPECT_EQ(painted.Captions, std::vector<QString>{caption});
    }
}

TEST_F(FramePacing, ABurstPaintsAtMostOneFramePerRefreshAndEndsOnItsLastChange)
{
    Pause();
    CaptionsPainted painted(*Label);
    QElapsedTimer burst;
    burst.start();
    int changes = 0;
    while (burst.elapsed() < 20 * FrameMs()) {
        Label->SetCaption(QString::number(++changes));
        QCoreApplication::processEvents();
    }
    const auto frames = static_cast<int>(painted.Captions.size());
    EXPECT_LE(frames, burst.elapsed() / FrameMs() + 1);
    EXPECT_GE(frames, 2);
    EXPECT_GT(changes, 2 * frames);

    const QString last = QString::number(changes);
    EXPECT_TRUE(QTest::qWaitFor([&] { return painted.Captions.back() == last; }, 1000));
}

} // namespace
