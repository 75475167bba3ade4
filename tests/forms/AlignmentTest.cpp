#include "forms/TForm.h"
#include "forms/TPanel.h"
#include "support/ApplicationFixture.h"

#include <vector>

namespace {

class Alignment : public ApplicationFixture {
protected:
    Alignment() { FForm.SetBounds(0, 0, 400, 300); }

    TPanel* AddPanel(TWinControl* parent, TAlign align, QRect bounds)
    {
        auto* panel = new TPanel(&FForm);
        panel->SetParent(parent);
        panel->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
        panel->SetAlign(align);
        return panel;
    }

    TForm FForm{nullptr};
};

TEST_F(Alignment, PlacesTopBottomLeftRightThenClientInsideBordersAndBevels)
{
    TPanel* outer = AddPanel(&FForm, alClient, {0, 0, 10, 10});
    outer->SetBorderWidth(2);
    outer->SetBevelInner(bvLowered); // inset: 1 outer bevel + 2 border + 1 inner bevel
    // Created first, placed last: the order is by kind, not by creation.
    TPanel* client = AddPanel(outer, alClient, {0, 0, 5, 5});
    TPanel* right = AddPanel(outer, alRight, {0, 0, 40, 5});
    TPanel* left = AddPanel(outer, alLeft, {0, 0, 50, 5});
    TPanel* bottom = AddPanel(outer, alBottom, {0, 0, 5, 20});
    TPanel* top = AddPanel(outer, alTop, {0, 0, 5, 30});
    TPanel* inner = AddPanel(client, alClient, {0, 0, 5, 5}); // inset 1 by its raised bevel

    FForm.Show();

    EXPECT_EQ(outer->BoundsRect(), QRect(0, 0, 400, 300));
    EXPECT_EQ(top->BoundsRect(), QRect(4, 4, 392, 30));
    EXPECT_EQ(bottom->BoundsRect(), QRect(4, 276, 392, 20));
    EXPECT_EQ(left->BoundsRect(), QRect(4, 34, 50, 242));
    EXPECT_EQ(right->BoundsRect(), QRect(356, 34, 40, 242));
    EXPECT_EQ(client->BoundsRect(), QRect(54, 34, 302, 242));
    EXPECT_EQ(inner->BoundsRect(), QRect(1, 1, 300, 240));

    // A resize of the window flows down the nesting.
    FForm.SetBounds(0, 0, 500, 350);
    EXPECT_EQ(inner->BoundsRect(), QRect(1, 1, 400, 290));
}

TEST_F(Alignment, AContainerArrangesItsChildrenOnlyOnceShown)
{
    TPanel* hidden = AddPanel(&FForm, alNone, {10, 10, 200, 100});
    hidden->SetVisible(false);
    TPanel* child = AddPanel(hidden, alClient, {5, 6, 7, 8});
    TPanel* shown = AddPanel(&FForm, alNone, {10, 150, 200, 100});
    TPanel* sibling = AddPanel(shown, alClient, {5, 6, 7, 8});

    FForm.Show();
    EXPECT_EQ(child->BoundsRect(), QRect(5, 6, 7, 8));
    EXPECT_EQ(sibling->BoundsRect(), QRect(1, 1, 198, 98));

    hidden->SetVisible(true);
    EXPECT_EQ(child->BoundsRect(), QRect(1, 1, 198, 98));
}

TEST_F(Alignment, HiddenAlignedChildrenTakeNoSpace)
{
    TPanel* top = AddPanel(&FForm, alTop, {0, 0, 5, 30});
    TPanel* client = AddPanel(&FForm, alClient, {0, 0, 5, 5});
    FForm.Show();
    top->SetVisible(false);
    EXPECT_EQ(client->BoundsRect(), QRect(0, 0, 400, 300));
    top->SetVisible(true);
    EXPECT_EQ(client->BoundsRect(), QRect(0, 30, 400, 270));
}

TEST_F(Alignment, AnchoredEdgesKeepTheirDistanceToTheParentsEdges)
{
    TPanel* strip = AddPanel(&FForm, alBottom, {0, 0, 400, 12});
    TPanel* stretched = AddPanel(strip, alNone, {8, 0, 1280, 12});
    stretched->SetAnchors(akLeft | akTop | akRight);
    TPanel* pinned = AddPanel(strip, alNone, {380, 0, 12, 12});
    pinned->SetAnchors(akTop | akRight);
    FForm.Show();

    FForm.SetBounds(0, 0, 536, 300);
    EXPECT_EQ(stretched->BoundsRect(), QRect(8, 0, 1416, 12));
    EXPECT_EQ(pinned->BoundsRect(), QRect(516, 0, 12, 12));
}

TEST_F(Alignment, EdgesOfManyAlignedChildrenStopAtTheWidgetRange)
{
    // Widths that add up far past the int range: the edges must not wrap around.
    constexpr int most = QWIDGETSIZE_MAX;
    std::vector<TPanel*> lefts;
    std::vector<TPanel*> rights;
    for (int i = 0; i < 150; ++i) {
        lefts.push_back(AddPanel(&FForm, alLeft, {0, 0, most, 5}));
        rights.push_back(AddPanel(&FForm, alRight, {0, 0, most, 5}));
    }
    TPanel* client = AddPanel(&FForm, alClient, {0, 0, 5, 5});
    FForm.HandleNeeded();

    EXPECT_EQ(lefts[1]->BoundsRect(), QRect(most, 0, most, 300));
    EXPECT_EQ(lefts.back()->BoundsRect(), QRect(most, 0, most, 300));
    EXPECT_EQ(rights[0]->BoundsRect(), QRect(400 - most, 0, most, 300));
    EXPECT_EQ(rights.back()->BoundsRect(), QRect(-most, 0, most, 300));
    EXPECT_EQ(client->BoundsRect(), QRect(most, 0, 0, 300));
}

} // namespace
