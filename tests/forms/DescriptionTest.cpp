#include "TestForms.h"

#include "forms/Exceptions.h"
#include "forms/TDescriptionReader.h"
#include "forms/TLabel.h"
#include "forms/TPanel.h"
#include "support/ApplicationFixture.h"
#include "support/Failures.h"

#include <QFontMetrics>

#include <functional>
#include <map>

namespace {

class Descriptions : public ApplicationFixture {
protected:
    Descriptions() { HandlerLog.clear(); }

    // Creates a form that must fail with Failure; returns its message after
    // checking that the reference was reset.
    template <class Form, class Failure> QString CreateFormFailure()
    {
        Form* form = nullptr;
        const QString message = MessageOf<Failure>([&] { Application->CreateForm(form); });
        EXPECT_EQ(form, nullptr);
        return message;
    }
};

TEST_F(Descriptions, ReadTheBaseClassFirstAndBindTheOwnClassHandlerFirst)
{
    Application->CreateForm(TestDerivedForm);
    ASSERT_NE(TestDerivedForm, nullptr);

    // Both descriptions bind OnCreate to FormCreate; the derived one wins, once.
    EXPECT_EQ(HandlerLog, QStringList({"base constructed", "derived FormCreate, reference set"}));
    // Names only the base has still bind to the base's methods.
    ASSERT_NE(TestDerivedForm->BasePanel, nullptr);
    TestDerivedForm->BasePanel->Click();
    EXPECT_EQ(HandlerLog.last(), "base BasePanelClick");

    // The derived description's properties replace the base's; unset ones stay.
    EXPECT_EQ(TestDerivedForm->Caption(), "Derived");
    EXPECT_EQ(TestDerivedForm->ClientWidth(), 400);
    EXPECT_EQ(TestDerivedForm->ClientHeight(), 200);
    EXPECT_EQ(TestDerivedForm->Font().Name, QStringLiteral("宋体"));
    EXPECT_EQ(TestDerivedForm->Font().Height, -13);
    EXPECT_EQ(Application->MainForm(), TestDerivedForm);

    // Children are aligned to the stored client size, and labels sized to
    // their text once loaded.
    EXPECT_EQ(TestDerivedForm->BasePanel->BoundsRect(), QRect(0, 0, 400, 40));
    const TLabel* label = TestDerivedForm->Label1;
    const QFontMetrics metrics(TestDerivedForm->Font().ToQFont());
    EXPECT_EQ(label->Width(), metrics.horizontalAdvance(QStringLiteral("未初始化")));
    EXPECT_EQ(label->Height(), metrics.height());
    EXPECT_GT(label->Width(), 1);
}

TEST_F(Descriptions, ThatCannotBeReadFailTheConstructionAndResetTheReference)
{
    EXPECT_EQ((CreateFormFailure<TNoDescriptionForm, EResNotFound>()),
              "Resource TNoDescriptionForm not found");
    EXPECT_EQ((CreateFormFailure<TUnknownHandlerForm, EReadError>()), "Invalid property value");
    EXPECT_EQ((CreateFormFailure<TBadValueForm, EReadError>()), "Invalid property value");
    EXPECT_EQ(Application->MainForm(), nullptr);
    EXPECT_TRUE(Application->Components().empty());
}

TEST_F(Descriptions, AFailingCreationHandlerIsReportedAndConstructionGoesOn)
{
    TFailingCreateForm* form = nullptr;
    Application->CreateForm(form);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(HandlerLog, QStringList({"failing FormCreate"}));
    ASSERT_EQ(Fake().MessageBoxes.size(), 1u);
    EXPECT_EQ(Fake().MessageBoxes[0].Text, QStringLiteral("创建失败."));
    EXPECT_EQ(Application->MainForm(), form);
}

} // namespace

namespace {

// Reads a description into a form of class Form, a bare form unless given,
// and returns the error it raised.
template <class Form = TForm> QString ReadError(const char* description)
{
    Form form(nullptr);
    return MessageOf<EReadError>([&] { TDescriptionReader(form).Read(QByteArray(description)); });
}

TEST(DescriptionReader, ReportsWhatItCannotRead)
{
    EXPECT_EQ(ReadError(R"(<form><property name="Colour" value="1"/></form>)"),
              "Property Colour does not exist");
    EXPECT_EQ(ReadError(R"(<form><property name="OnWhatever" value="FormCreate"/></form>)"),
              "Invalid property value");
    EXPECT_EQ(ReadError(R"(<form><property name="Visible" value="yes"/></form>)"),
              "Invalid property value");
    EXPECT_EQ(ReadError(R"(<form><property name="Width" value="2147483648"/></form>)"),
              "Invalid property value");
    EXPECT_EQ(ReadError(R"(<form><property name="Left" value="12px"/></form>)"),
              "Invalid property value");
    EXPECT_EQ(ReadError(R"(<form><control class="TTreeView" name="Tree"/></form>)"),
              "Class TTreeView not found");
    EXPECT_EQ(
        ReadError(
            R"(<form><control class="TPanel" name="A"/><control class="TLabel" name="a"/></form>)"),
        "A component named a already exists");
    EXPECT_EQ(
        ReadError(
            R"(<form><control class="TLabel" name="L"><control class="TPanel" name="P"/></control></form>)"),
        "Control 'P' has no parent window");
    EXPECT_EQ(ReadError(R"(<form><control class="TPanel"/></form>)"),
              "Invalid form description (line 1): <control> without name");
    EXPECT_TRUE(ReadError(R"(<form><property name="Left" value="1"></form>)")
                    .startsWith("Invalid form description (line 1)"));
    EXPECT_TRUE(ReadError("").startsWith("Invalid form description"));
    EXPECT_EQ(ReadError(R"(<form><button/></form>)"),
              "Invalid form description (line 1): unknown <button>");
    // A notify handler for a mouse event, a label for a panel field.
    EXPECT_EQ(
        ReadError<TTestBaseForm>(
            R"(<form><control class="TPanel" name="P"><property name="OnMouseDown" value="FormCreate"/></control></form>)"),
        "Invalid property value");
    EXPECT_EQ(
        ReadError<TTestBaseForm>(R"(<form><control class="TLabel" name="BasePanel"/></form>)"),
        "Field BasePanel does not hold a TLabel");
}

// Numbers far beyond any screen still load, cut to the range widgets take.
TEST(DescriptionReader, ClampsNumbersOfPixelsToTheWidgetRangeWhereItReadsThem)
{
    using TRead = std::function<int(const TForm&, const TPanel&)>;
    const std::map<QString, TRead> readBack = {
        {"Left", [](const TForm&, const TPanel& p) { return p.Left(); }},
        {"Top", [](const TForm&, const TPanel& p) { return p.Top(); }},
        {"Width", [](const TForm&, const TPanel& p) { return p.Width(); }},
        {"Height", [](const TForm&, const TPanel& p) { return p.Height(); }},
        {"ClientWidth", [](const TForm& f, const TPanel&) { return f.ClientWidth(); }},
        {"ClientHeight", [](const TForm& f, const TPanel&) { return f.ClientHeight(); }},
        {"BevelWidth", [](const TForm&, const TPanel& p) { return p.BevelWidth(); }},
        {"BorderWidth", [](const TForm&, const TPanel& p) { return p.BorderWidth(); }},
        {"Font.Height", [](const TForm&, const TPanel& p) { return p.Font().Height; }},
    };
    const int most = QWIDGETSIZE_MAX;
    const struct {
        const char* Property;
        const char* Text;
        int Taken;
    } values[] = {
        {"Left", "-7", -7},
        {"Left", "2147483647", most},
        {"Left", "-2147483648", -most},
        {"Top", "2000000000", most},
        {"Top", "-16777216", -most},
        {"Width", "40", 40},
        {"Width", "2147483647", most},
        {"Width", "-2147483648", 0},
        {"Height", "16777216", most},
        {"Height", "-5", 0},
        {"ClientWidth", "2147483647", most},
        {"ClientWidth", "-2147483648", 0},
        {"ClientHeight", "2000000000", most},
        {"BevelWidth", "2147483647", most},
        {"BevelWidth", "-2147483648", 1},
        {"BorderWidth", "2147483647", most},
        {"BorderWidth", "-2147483648", 0},
        {"Font.Height", "-11", -11},
        {"Font.Height", "-2147483648", -most},
        {"Font.Height", "2147483647", most},
    };
    for (const auto& value : values) {
        const QByteArray property = QByteArray(R"(<property name=")") + value.Property +
                                    R"(" value=")" + value.Text + R"("/>)";
        const bool ofForm = property.contains("Client");
        TForm form(nullptr);
        TDescriptionReader(form).Read(R"(<form><control class="TPanel" name="P">)" +
                                      (ofForm ? QByteArray() : property) + "</control>" +
                                      (ofForm ? property : QByteArray()) + "</form>");
        const auto* panel = dynamic_cast<const TPanel*>(form.Controls().front());
        EXPECT_EQ(readBack.at(value.Property)(form, *panel), value.Taken)
            << value.Property << "=\"" << value.Text << '"';
    }
}

} // namespace
