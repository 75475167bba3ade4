#include "Form1Fixture.h"

#include "support/AccessibilityRecorder.h"

#include <map>

namespace {

class Accessibility : public Form1Fixture {
protected:
    Accessibility() { Form1->Show(); }

    static QAccessibleInterface* Interface(QWidget* widget)
    {
        return QAccessible::queryAccessibleInterface(widget);
    }
    static QString Description(QWidget* widget)
    {
        return Interface(widget)->text(QAccessible::Description);
    }
    QString BoardDescription(int living) const
    {
        return QStringLiteral("%1 行，%2 列，%3 个活细胞")
            .arg(Form1->FRowCount)
            .arg(Form1->FColCount)
            .arg(living);
    }

    // Every interface a screen reader reaches from the main window's, by its object.
    static std::map<const QObject*, QAccessibleInterface*> Tree()
    {
        std::map<const QObject*, QAccessibleInterface*> found;
        const std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
            found[node->object()] = node;
            for (int i = 0; i < node->childCount(); ++i)
                walk(node->child(i));
        };
        walk(Interface(Form1));
        return found;
    }

    AccessibilityRecorder FRecorder;
};

TEST_F(Accessibility, EveryControlReadsAsWhatItIs)
{
    struct TReading {
        const char* What;
        QWidget* Widget;
        QAccessible::Role Role;
        QString Name;
        bool Showing = true;
        QString Description = {};
    };
    const TReading readings[] = {
        {"form", Form1, QAccessible::Window, "Talvoreth"},
        {"lbl1", Form1->lbl1, QAccessible::StaticText, QStringLiteral("个;进化次数:")},
        {"status", Form1->lbl2, QAccessible::StaticText, QStringLiteral("已初始化")},
        {"version", Form1->lbl3, QAccessible::StaticText, QStringLiteral("版本：1.2")},
        {"link", Form1->lbl4, QAccessible::StaticText,
         QStringLiteral("Quorvel工作室（quorvel.example）")},
        {"caption", Form1->CaptionLabel, QAccessible::StaticText, "Talvoreth"},
        {"edt1", Form1->edt1->FocusWidget(), QAccessible::EditableText, QStringLiteral("进化次数")},
        {"edt2", Form1->edt2->FocusWidget(), QAccessible::EditableText, QStringLiteral("随机个数")},
        {"minimise", Form1->MinImage, QAccessible::PushButton, QStringLiteral("最小化")},
        {"close", Form1->CloseImage, QAccessible::PushButton, QStringLiteral("关闭")},
        {"maximise", Form1->MaxImage, QAccessible::PushButton, QStringLiteral("最大化"), false},
        {"restore", Form1->RestoreImage, QAccessible::PushButton, QStringLiteral("还原"), false},
        {"board", Form1->img1, QAccessible::Graphic, QStringLiteral("棋盘"), true,
         BoardDescription(0)},
        {"edge strip", Form1->LeftImage, QAccessible::Client, {}},
        {"title picture", Form1->GetFTopLeftImage, QAccessible::Client, {}, false},
        {"tool bar", Form1->pnl1, QAccessible::Client, {}},
    };
    const auto tree = Tree();
    for (const TReading& expected : readings) {
        SCOPED_TRACE(expected.What);
        const auto found = tree.find(expected.Widget);
        ASSERT_NE(found, tree.end()) << "not in the main window's tree";
        QAccessibleInterface* node = found->second;
        EXPECT_EQ(node->role(), expected.Role);
        EXPECT_EQ(node->text(QAccessible::Name), expected.Name);
        EXPECT_EQ(node->text(QAccessible::Description), expected.Description);
        EXPECT_EQ(!node->state().invisible, expected.Showing);
    }
}

TEST_F(Accessibility, TheStatusLineIsReadAsItCountsAndTheBoardWhenTheRunEnds)
{
    // A lone cell dies in the first generation.
    ClickBoard(QPoint(TLifeBoard::SampleX(10), TLifeBoard::SampleY(10)));
    // Only Random enables Evolve.
    Form1->btnGo->SetEnabled(true);
    Form1->edt1->SetText("3");
    FRecorder.Clear();
    AtPump(2, [&] {
        EXPECT_EQ(LivingCells(), 0);
        EXPECT_EQ(Description(Form1->img1), BoardDescription(1)) << "described during the run";
    });
    Press(Form1->btnGo);
    // "进化中..." and one count for each generation.
    EXPECT_EQ(FRecorder.Count(Form1->lbl2, QAccessible::NameChanged), 4);
    EXPECT_EQ(Interface(Form1->lbl2)->text(QAccessible::Name), QStringLiteral("进化完成 3 代."));
    EXPECT_EQ(FRecorder.Count(Form1->img1, QAccessible::DescriptionChanged), 1);
    EXPECT_EQ(Description(Form1->img1), BoardDescription(0));
}

TEST_F(Accessibility, TheBoardsDescriptionFollowsEachChangeAUserMakes)
{
    // Each step leaves a count other than the one before it.
    int before = LivingCells();
    for (const auto& [what, step] : UserSteps()) {
        SCOPED_TRACE(what);
        FRecorder.Clear();
        step();
        ASSERT_NE(LivingCells(), before);
        before = LivingCells();
        EXPECT_EQ(Description(Form1->img1), BoardDescription(before));
        EXPECT_EQ(FRecorder.Count(Form1->img1, QAccessible::DescriptionChanged), 1);
    }
}

TEST_F(Accessibility, AGlyphIsPressedThroughItsAction)
{
    QAccessibleActionInterface* glyph = Interface(Form1->MinImage)->actionInterface();
    ASSERT_NE(glyph, nullptr);
    EXPECT_TRUE(glyph->actionNames().contains(QAccessibleActionInterface::pressAction()));
    glyph->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Form1->WindowState(), wsNormal) << "pressed before the caller has its answer";
    Application->ProcessMessages();
    EXPECT_EQ(Form1->WindowState(), wsMinimized);

    for (TImage* picture : {Form1->img1, Form1->LeftImage}) {
        QAccessibleActionInterface* actions = Interface(picture)->actionInterface();
        EXPECT_FALSE(actions &&
                     actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    }
}

} // namespace
