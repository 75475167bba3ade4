#include "TestFrame.h"

#include "support/ApplicationFixture.h"

#include <QTest>

namespace {

constexpr QRgb PanelFace = 0xFFF0F0F0;
constexpr QRgb FrameGrey = 0xFFCFCFCF;

class Frame : public ApplicationFixture {
protected:
    Frame()
    {
        Fake().Screen = QSize(1920, 1080);
        Fake().Work = QRect(0, 0, 1920, 1050);
        Application->CreateForm(FFrame);
    }

    void ShowAt(QRect bounds)
    {
        FFrame->Show();
        FFrame->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
        QCoreApplication::processEvents();
    }

    void Activate() { FFrame->Activated(false); }
    // The change of activation a window that is not the active one hears.
    void Deactivate()
    {
        ASSERT_FALSE(FFrame->isActiveWindow());
        QEvent change(QEvent::ActivationChange);
        QCoreApplication::sendEvent(FFrame, &change);
    }

    QImage Grab() { return FFrame->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // The cursors over the top, left, bottom-left, bottom, bottom-right and right grips.
    std::vector<TCursor> GripCursors() const
    {
        std::vector<TCursor> cursors;
        for (TImage* grip :
             {FFrame->TopImage, FFrame->LeftImage, FFrame->BottomLeftImage,
              FFrame->BottomCenterImage, FFrame->BottomRightImage, FFrame->RightImage})
            cursors.push_back(grip->Cursor());
        return cursors;
    }

    TTestFrame* FFrame = nullptr;
};

TEST_F(Frame, LaysOutTheTitleBarStripsAndGlyphsAtTheDescribedSizeAndAnyOther)
{
    ShowAt({100, 100, 536, 353});
    for (const QSize size : {QSize(536, 353), QSize(200, 60), QSize(1600, 900), QSize(777, 444)}) {
        FFrame->SetBounds(100, 100, size.width(), size.height());
        const int w = size.width();
        const int h = size.height();
        ASSERT_EQ(FFrame->BoundsRect().size(), size);
        const std::pair<TControl*, QRect> layout[] = {
            {FFrame->TopPanel, QRect(0, 0, w, 40)},
            {FFrame->BottomPanel, QRect(0, h - 12, w, 12)},
            {FFrame->LeftImage, QRect(0, 40, 10, h - 52)},
            {FFrame->RightImage, QRect(w - 13, 40, 13, h - 52)},
            {FFrame->ClientPanel, QRect(10, 40, w - 23, h - 52)},
            {FFrame->TopImage, QRect(0, 0, w, 6)},
            {FFrame->CaptionLabel, QRect(82, 11, w - 175, 31)},
            {FFrame->MinImage, QRect(w - 55, 4, 17, 19)},
            {FFrame->MaxImage, QRect(w - 38, 4, 17, 19)},
            {FFrame->RestoreImage, QRect(w - 38, 4, 17, 19)},
            {FFrame->CloseImage, QRect(w - 21, 4, 17, 19)},
            {FFrame->BottomCenterImage, QRect(8, 0, w + 744, 12)},
            {FFrame->BottomRightImage, QRect(w - 12, 0, 12, 12)},
        };
        for (const auto& [control, bounds] : layout)
            EXPECT_EQ(control->BoundsRect(), bounds) << control->Name().toStdString() << " " << w;
        EXPECT_EQ(FFrame->TopCenterImage->Left(), 81) << w;
        EXPECT_EQ(FFrame->TopRightImage->Left(), w - 94) << w;
    }

    // The caption paints over the middle picture and under everything else.
    const QObjectList& stack = FFrame->TopPanel->children();
    const auto at = [&](QObject* child) { return stack.indexOf(child); };
    EXPECT_LT(at(FFrame->TopCenterImage), at(FFrame->CaptionLabel));
    EXPECT_LT(at(FFrame->CaptionLabel), at(FFrame->TopRightImage));
    EXPECT_LT(at(FFrame->TopRightImage), at(FFrame->TopLeftImage));
    EXPECT_LT(at(FFrame->TopImage), at(FFrame->MinImage));
    EXPECT_LT(at(FFrame->MaxImage), at(FFrame->CloseImage));
}

TEST_F(Frame, ShowsTheBandTheCaptionAndThePanelFaceWherePicturesEnd)
{
    ShowAt({0, 0, 1600, 900});
    Activate();
    const QImage shot = Grab();
    // The title band (a bitmap, so exact): row 8 of the middle piece.
    EXPECT_EQ(shot.pixel(200, 8), 0xFF2F70AFu);
    EXPECT_EQ(shot.pixel(200, 24), 0xFF4F98DFu);
    // Past the middle picture's end (81 + 1280) and before the right piece.
    EXPECT_EQ(shot.pixel(1400, 20), PanelFace);
    EXPECT_NE(shot.pixel(1530, 20), PanelFace);
    // The caption: light text over the dark rows of the band.
    int light = 0;
    for (int y = 11; y < 24; ++y)
        for (int x = 82; x < 1425; ++x)
            light += qRed(shot.pixel(x, y)) > 200 && qGreen(shot.pixel(x, y)) > 200;
    EXPECT_GT(light, 10);
    // The side strips' pictures end 800 rows down; the frame's grey below.
    EXPECT_NE(shot.pixel(5, 839), FrameGrey);
    EXPECT_EQ(shot.pixel(5, 841), FrameGrey);
    EXPECT_EQ(shot.pixel(1593, 860), FrameGrey);
    // The bottom band ends at 1288; the panel face until the corner piece.
    EXPECT_EQ(shot.pixel(1000, 895), 0xFF002F50u);
    EXPECT_EQ(shot.pixel(1400, 895), PanelFace);
}

TEST_F(Frame, TheConstructorSetsColourCaptionGlyphsCursorsAndHints)
{
    EXPECT_EQ(FFrame->Color(), 13619151u) << "over the description's clBtnFace";
    EXPECT_EQ(FFrame->CaptionLabel->Caption(), "Test frame");
    FFrame->SetCaption("Renamed");
    EXPECT_EQ(FFrame->CaptionLabel->Caption(), "Test frame") << "a one-time copy";
    EXPECT_TRUE(FFrame->MinImage->Visible());
    EXPECT_TRUE(FFrame->MaxImage->Visible());
    EXPECT_FALSE(FFrame->RestoreImage->Visible());
    EXPECT_TRUE(FFrame->CloseImage->Visible());
    EXPECT_FALSE(FFrame->GetFTopCenterImage->Visible());
    EXPECT_EQ(GripCursors(), std::vector<TCursor>(6, crDefault));
    EXPECT_EQ(FFrame->MinImage->toolTip(), QStringLiteral("最小化"));
    EXPECT_EQ(FFrame->MaxImage->toolTip(), QStringLiteral("最大化"));
    EXPECT_EQ(FFrame->RestoreImage->toolTip(), QStringLiteral("还原"));
    EXPECT_EQ(FFrame->CloseImage->toolTip(), QStringLiteral("关闭"));
    EXPECT_FALSE(FFrame->FSizeable || FFrame->FResizing || FFrame->FMoving ||
                 FFrame->FHideAppOnMinimize);
    EXPECT_EQ(FFrame->TopLeftImage->Picture().Graphic(), nullptr);
}

TEST_F(Frame, ABareFrameHasNoControlsAndTakesTheWindowHooks)
{
    TTestFrame bare(nullptr, 0);
    bare.Create();
    EXPECT_EQ(bare.TopPanel, nullptr);
    EXPECT_TRUE(bare.Components().empty());
    bare.SizeOrStateChanged(wsMaximized);
    bare.Activated(false);
    EXPECT_EQ(bare.Color(), clBtnFace);
}

TEST_F(Frame, TitlePicturesComeWithActivationAndStay)
{
    Deactivate();
    EXPECT_EQ(FFrame->TopCenterImage->Picture().Graphic(), nullptr);
    FFrame->SizeOrStateChanged(wsNormal);
    EXPECT_EQ(FFrame->TopCenterImage->Picture().Graphic(), nullptr);
    FFrame->Activated(true);
    ASSERT_NE(FFrame->TopCenterImage->Picture().Graphic(), nullptr);
    EXPECT_EQ(FFrame->TopRightImage->BoundsRect(), QRect(442, 0, 94, 49));
    EXPECT_EQ(FFrame->TopLeftImage->BoundsRect(), QRect(0, 0, 81, 49));
    const TGraphic* shown = FFrame->TopLeftImage->Picture().Graphic();
    Deactivate();
    EXPECT_EQ(FFrame->TopLeftImage->Picture().Graphic(), shown);
    Activate();
    EXPECT_NE(FFrame->TopLeftImage->Picture().Graphic(), nullptr);
}

TEST_F(Frame, TheSizeCheckKeepsTheMinimumAndTheWorkArea)
{
    const auto check = [&](int width, int height) {
        bool resize = true;
        FFrame->FormCanResize(FFrame, width, height, resize);
        return resize ? QSize(width, height) : QSize();
    };
    EXPECT_EQ(check(199, 300), QSize());
    EXPECT_EQ(check(300, 59), QSize());
    EXPECT_EQ(check(200, 60), QSize(200, 60));
    Fake().Work = QRect(0, 30, 800, 570);
    EXPECT_EQ(check(1000, 500), QSize(800, 500));
    EXPECT_EQ(check(700, 650), QSize(700, 570));
    EXPECT_EQ(check(-5, 650), QSize());
    Fake().Work = QRect(); // no screen: no upper limit
    EXPECT_EQ(check(5000, 4000), QSize(5000, 4000));
}

TEST_F(Frame, ARefusedSizeStillMovesAndAnAdjustedOneIsTaken)
{
    ShowAt({100, 100, 536, 353});
    FFrame->SetBounds(150, 120, 150, 353);
    EXPECT_EQ(FFrame->BoundsRect(), QRect(150, 120, 536, 353));
    Fake().Work = QRect(0, 0, 640, 480);
    FFrame->SetBounds(0, 0, 2000, 300);
    EXPECT_EQ(FFrame->BoundsRect(), QRect(0, 0, 640, 300));
    EXPECT_EQ(FFrame->geometry(), FFrame->BoundsRect());
}

TEST_F(Frame, AStartLargerThanTheWorkAreaShrinksAtTheFirstCaptionStep)
{
    Fake().Work = QRect(0, 0, 500, 300);
    TTestFrame* large = nullptr;
    Application->CreateForm(large);
    EXPECT_EQ(large->BoundsRect().size(), QSize(536, 353)) << "read without the check";
    large->Show();
    const QPoint start = large->BoundsRect().topLeft();
    large->CaptionLabelMouseDown(large->CaptionLabel, mbLeft, 0, 8, 4);
    Fake().Cursor = start + QPoint(90, 15) + QPoint(0, 7);
    large->CaptionLabelMouseMove(large->CaptionLabel, 0, 8, 11);
    EXPECT_EQ(large->BoundsRect(), QRect(start + QPoint(0, 7), QSize(500, 300)));
}

TEST_F(Frame, MaximiseAndRestoreSwapTheGlyphsAndTheGripCursors)
{
    ShowAt({100, 100, 536, 353});
    FFrame->SetSizeable(true);
    FFrame->MaxImageClick(FFrame->MaxImage);
    EXPECT_EQ(FFrame->WindowState(), wsMaximized);
    EXPECT_FALSE(FFrame->MaxImage->Visible());
    EXPECT_TRUE(FFrame->RestoreImage->Visible());
    EXPECT_EQ(GripCursors(), std::vector<TCursor>(6, crDefault));
    EXPECT_LE(FFrame->Width(), 1920);

    FFrame->RestoreImageClick(FFrame->RestoreImage);
    EXPECT_EQ(FFrame->WindowState(), wsNormal);
    EXPECT_TRUE(FFrame->MaxImage->Visible());
    EXPECT_FALSE(FFrame->RestoreImage->Visible());
    EXPECT_EQ(GripCursors(), (std::vector<TCursor>{crSizeNS, crSizeWE, crSizeNESW, crSizeNS,
                                                   crSizeNWSE, crSizeWE}));

    // A minimise changes neither glyphs nor cursors.
    FFrame->SizeOrStateChanged(wsMinimized);
    EXPECT_TRUE(FFrame->MaxImage->Visible());
    EXPECT_EQ(FFrame->TopImage->Cursor(), crSizeNS);
    FFrame->SetSizeable(false);
    FFrame->SizeOrStateChanged(wsNormal);
    EXPECT_EQ(FFrame->TopImage->Cursor(), crDefault);
}

TEST_F(Frame, TheCaptionDoubleClickTogglesMaximisation)
{
    ShowAt({100, 100, 536, 353});
    for (const TWindowState toggled : {wsMaximized, wsNormal}) {
        QTest::mouseClick(FFrame->CaptionLabel, Qt::LeftButton, {}, QPoint(50, 5));
        QTest::mouseDClick(FFrame->CaptionLabel, Qt::LeftButton, {}, QPoint(50, 5));
        EXPECT_EQ(FFrame->WindowState(), toggled);
    }
}

TEST_F(Frame, TheCloseGlyphAndTheControlBoxDoubleClickClose)
{
    TTestFrame* other = nullptr;
    Application->CreateForm(other);
    other->Show();
    QTest::mouseClick(other->ControlBoxImage, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(other->isVisible()) << "a single click does nothing";
    QTest::mouseDClick(other->ControlBoxImage, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(other->isVisible());
    other->Show();
    QTest::mouseClick(other->CloseImage, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(other->isVisible());

    FFrame->Show();
    QTest::mouseClick(FFrame->CloseImage, Qt::LeftButton, {}, QPoint(5, 5));
    QCoreApplication::processEvents();
    EXPECT_TRUE(Application->Terminated()) << "the main form ends the application";
}

TEST_F(Frame, MinimiseTakesTheWholeApplicationForTheMainForm)
{
    TTestFrame* other = nullptr;
    Application->CreateForm(other);
    other->Show();
    other->MinImageClick(other->MinImage);
    EXPECT_EQ(other->WindowState(), wsMinimized);
    EXPECT_EQ(FFrame->WindowState(), wsNormal);
    EXPECT_TRUE(Fake().ShowWindowCalls.empty());

    FFrame->Show();
    FFrame->FHideAppOnMinimize = true;
    FFrame->MinImageClick(FFrame->MinImage);
    EXPECT_EQ(FFrame->WindowState(), wsMinimized);
    EXPECT_FALSE(Application->ShowMainForm());
    ASSERT_EQ(Fake().ShowWindowCalls.size(), 1u);
    EXPECT_EQ(Fake().ShowWindowCalls[0].Window, FFrame);
    EXPECT_EQ(Fake().ShowWindowCalls[0].ShowCommand, SW_HIDE);
}

class GripDrag : public Frame {
protected:
    GripDrag()
    {
        ShowAt({300, 200, 536, 353});
        FFrame->SetSizeable(true);
    }

    // Presses grip at a point of its own, moves the cursor by delta and drags.
    QRect Drag(TImage* grip, QPoint at, QPoint delta)
    {
        ShowAt({300, 200, 536, 353});
        const QPoint pressed = grip->mapToGlobal(at);
        grip->OnMouseDown(grip, mbLeft, ssLeft, at.x(), at.y());
        Fake().Cursor = pressed + delta;
        grip->OnMouseMove(grip, ssLeft, at.x() + delta.x(), at.y() + delta.y());
        grip->OnMouseUp(grip, mbLeft, 0, 0, 0);
        return FFrame->BoundsRect();
    }
};

TEST_F(GripDrag, EachGripMovesItsOwnEdges)
{
    const QPoint d(40, 30);
    EXPECT_EQ(Drag(FFrame->RightImage, {5, 100}, d), QRect(300, 200, 576, 353));
    EXPECT_EQ(Drag(FFrame->LeftImage, {5, 100}, d), QRect(340, 200, 496, 353));
    EXPECT_EQ(Drag(FFrame->TopImage, {100, 3}, d), QRect(300, 230, 536, 323));
    EXPECT_EQ(Drag(FFrame->BottomCenterImage, {100, 5}, d), QRect(300, 200, 536, 383));
    EXPECT_EQ(Drag(FFrame->BottomRightImage, {5, 5}, d), QRect(300, 200, 576, 383));
    EXPECT_EQ(Drag(FFrame->BottomLeftImage, {5, 5}, d), QRect(340, 200, 496, 383));
}

TEST_F(GripDrag, LimitsRefuseTooSmallAndMakeTheOppositeEdgeGiveWay)
{
    // Too narrow: the right grip changes nothing, the left grip only moves.
    EXPECT_EQ(Drag(FFrame->RightImage, {5, 100}, {-400, 0}), QRect(300, 200, 536, 353));
    EXPECT_EQ(Drag(FFrame->LeftImage, {5, 100}, {400, 0}), QRect(700, 200, 536, 353));
    EXPECT_EQ(Drag(FFrame->TopImage, {100, 3}, {0, 330}), QRect(300, 530, 536, 353));
    // Wider than the work area: exactly its width, the moved edge at the cursor.
    Fake().Work = QRect(0, 0, 800, 600);
    EXPECT_EQ(Drag(FFrame->LeftImage, {5, 100}, {-290, 0}), QRect(10, 200, 800, 353));
    EXPECT_EQ(Drag(FFrame->BottomRightImage, {5, 5}, {500, 500}), QRect(300, 200, 800, 600));
}

TEST_F(GripDrag, NothingMovesWhileMaximisedOrNotSizeable)
{
    FFrame->SetSizeable(false);
    EXPECT_EQ(Drag(FFrame->RightImage, {5, 100}, {40, 0}), QRect(300, 200, 536, 353));
    FFrame->SetSizeable(true);
    FFrame->SetWindowState(wsMaximized);
    const QRect maximised = FFrame->BoundsRect();
    FFrame->RightImage->OnMouseDown(FFrame->RightImage, mbLeft, ssLeft, 5, 5);
    EXPECT_TRUE(FFrame->FResizing) << "the press still records";
    Fake().Cursor = QPoint(10, 10);
    FFrame->RightImage->OnMouseMove(FFrame->RightImage, ssLeft, 0, 0);
    FFrame->CaptionLabelMouseDown(FFrame->CaptionLabel, mbLeft, 0, 5, 5);
    FFrame->CaptionLabelMouseMove(FFrame->CaptionLabel, 0, 0, 0);
    EXPECT_EQ(FFrame->BoundsRect(), maximised);
    FFrame->RightImage->OnMouseUp(FFrame->RightImage, mbRight, 0, 0, 0);
    EXPECT_FALSE(FFrame->FResizing) << "any button releases";
}

TEST_F(GripDrag, TheCaptionDragFollowsTheCursorAnywhere)
{
    FFrame->SetSizeable(false);
    const QPoint pressed = FFrame->CaptionLabel->mapToGlobal(QPoint(20, 6));
    QTest::mousePress(FFrame->CaptionLabel, Qt::LeftButton, {}, QPoint(20, 6));
    Fake().Cursor = pressed;
    QTest::mouseMove(FFrame->CaptionLabel, QPoint(20, 6));
    EXPECT_EQ(FFrame->BoundsRect(), QRect(300, 200, 536, 353)) << "no travel, no change";
    Fake().Cursor = QPoint(-50, -5);
    FFrame->BoundsChanges.clear();
    QTest::mouseMove(FFrame->CaptionLabel, QPoint(-50, -5));
    EXPECT_EQ(FFrame->BoundsRect(), QRect(-152, -22, 536, 353)) << "off the screen is fine";
    EXPECT_EQ(FFrame->BoundsChanges,
              (std::vector<QRect>{QRect(300, -22, 536, 353), QRect(-152, -22, 536, 353)}))
        << "two changes, the vertical one first";
    QTest::mouseRelease(FFrame->CaptionLabel, Qt::LeftButton, {}, QPoint(-50, -5));
    EXPECT_FALSE(FFrame->FMoving);
}

TEST_F(GripDrag, OnlyALeftPressCapturesTheMouse)
{
    QTest::mousePress(FFrame->RightImage, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_TRUE(FFrame->FResizing);
    EXPECT_FALSE(FFrame->RightImage->MouseCapture());
    // Released away from the grip: the grip does not hear it, the drag stays.
    QTest::mouseRelease(FFrame->RightImage, Qt::RightButton, {}, QPoint(-100, 5));
    EXPECT_TRUE(FFrame->FResizing);
    QTest::mousePress(FFrame->RightImage, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(FFrame->RightImage->MouseCapture());
    EXPECT_EQ(TControl::CaptureControl(), FFrame->RightImage);
    QTest::mouseRelease(FFrame->RightImage, Qt::LeftButton, {}, QPoint(-100, 5));
    EXPECT_FALSE(FFrame->FResizing);
    EXPECT_EQ(TControl::CaptureControl(), nullptr);
}

} // namespace
