#include "TestForms.h"

#include "forms/Exceptions.h"
#include "forms/TDescriptionReader.h"
#include "forms/TLabel.h"
#include "forms/TPanel.h"
#include "support/ApplicationFixture.h"
#include "support/Failures.h"

#include <QFontMetrics>
#include <QTest>

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
template <class Form = TForm> QString ReadError(const QByteArray& description)
{
    Form form(nullptr);
    return MessageOf<EReadError>([&] { TDescriptionReader(form).Read(description); });
}

// A description of one control of that class holding the properties given.
QByteArray OneControl(const char* controlClass, const QByteArray& properties)
{
    return QByteArray(R"(<form><control class=")") + controlClass + R"(" name="P">)" + properties +
           "</control></form>";
}

QByteArray Property(const char* name, const char* value)
{
    return QByteArray(R"(<property name=")") + name + R"(" value=")" + value + R"("/>)";
}

TEST(DescriptionReader, ReportsADescriptionItCannotRead)
{
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
    EXPECT_EQ(
        ReadError<TTestBaseForm>(R"(<form><control class="TLabel" name="BasePanel"/></form>)"),
        "Field BasePanel does not hold a TLabel");
}

// A property is one its class declares, and its text one its type reads.
TEST(DescriptionReader, RefusesANameOrATextThePropertyDoesNotTake)
{
    const QString missing = QStringLiteral("Property %1 does not exist");
    const QString invalid = QStringLiteral("Invalid property value");
    const struct {
        const char* Class; // of the control holding the property; none: the form's own
        const char* Name;
        const char* Text;
        QString Message;
    } cases[] = {
        {"TPanel", "Colour", "1", missing.arg("Colour")},
        {"TPanel", "left", "1", missing.arg("left")},
        // Qt's own properties are not the control's.
        {"TPanel", "width", "5", missing.arg("width")},
        {"TPanel", "enabled", "False", missing.arg("enabled")},
        {nullptr, "windowTitle", "x", missing.arg("windowTitle")},
        // A gadget is set member by member, and only a gadget has members.
        {"TPanel", "Font", "宋体", missing.arg("Font")},
        {"TPanel", "Font.Size", "9", missing.arg("Font.Size")},
        {"TPanel", "Left.X", "1", missing.arg("Left.X")},
        // A picture comes with its graphic class; a form's field is no property.
        {"TImage", "Picture", "frame/MinImage.jpg", missing.arg("Picture")},
        {nullptr, "BasePanel", "P", missing.arg("BasePanel")},
        {"TLabel", "BevelWidth", "2", missing.arg("BevelWidth")},
        {"TPanel", "Visible", "yes", invalid},
        {"TPanel", "Left", "abc", invalid},
        {"TPanel", "Left", "12px", invalid},
        {"TPanel", "Width", "2147483648", invalid},
        {"TPanel", "Font.Height", "-12.5", invalid},
        {"TPanel", "Align", "alNowhere", invalid},
        {"TPanel", "Align", "Forms::alClient", invalid},
        {"TLabel", "Alignment", "alClient", invalid},
        {"TPanel", "Anchors", "akLeft", invalid},
        {"TPanel", "Anchors", "[akLeft,alTop]", invalid},
        {"TPanel", "Font.Style", "[fsBold,fsHuge]", invalid},
        {"TPanel", "Color", "clNowhere", invalid},
        {"TPanel", "Color", "4294967296", invalid},
        {nullptr, "BorderIcons", "[biSystemMenu,biHuge]", invalid},
    };
    for (const auto& refused : cases) {
        const QByteArray property = Property(refused.Name, refused.Text);
        const QByteArray description =
            refused.Class ? OneControl(refused.Class, property) : "<form>" + property + "</form>";
        EXPECT_EQ(ReadError<TTestBaseForm>(description), refused.Message)
            << refused.Name << "=\"" << refused.Text << '"';
    }
}

// Each kind of text is read by the type of the property it sets; the real
// forms' tests see the kinds their descriptions use, these the others.
TEST(DescriptionReader, ReadsATextByThePropertysType)
{
    const struct {
        const char* Name;
        const char* Text;
        std::function<bool(const TPanel&)> Took;
    } cases[] = {
        {"TabStop", "True", [](const TPanel& p) { return p.TabStop(); }},
        // Texts are taken as they stand, spaces at either end included.
        {"Caption", "  两 边  ", [](const TPanel& p) { return p.Caption() == "  两 边  "; }},
        {"Hint", " 提示", [](const TPanel& p) { return p.Hint() == " 提示"; }},
        {"Color", "255", [](const TPanel& p) { return p.Color() == 0x0000FFu; }},
        {"Cursor", "crHandPoint", [](const TPanel& p) { return p.Cursor() == crHandPoint; }},
        {"BevelInner", "bvLowered",
         [](const TPanel& p) { return p.ChildArea() == QRect(2, 2, 6, 6); }},
        {"Font.Style", "[fsBold,fsUnderline]",
         [](const TPanel& p) { return p.Font().Style == (fsBold | fsUnderline); }},
    };
    for (const auto& taken : cases) {
        TForm form(nullptr);
        TDescriptionReader(form).Read(OneControl("TPanel", Property("Width", "10") +
                                                               Property("Height", "10") +
                                                               Property(taken.Name, taken.Text)));
        const auto* panel = dynamic_cast<const TPanel*>(form.Controls().front());
        EXPECT_TRUE(taken.Took(*panel)) << taken.Name << "=\"" << taken.Text << '"';
    }
}

// A handler is found by name in any case, a slot or an invokable method, and
// binds where Qt finds it takes the event's arguments, all of them.
TEST(DescriptionReader, BindsAHandlerThatTakesTheEventsArguments)
{
    const QString invalid = QStringLiteral("Invalid property value");
    const auto click = [](TControl& control) { control.Click(); };
    const auto press = [](TControl& control) {
        QTest::mousePress(&control, Qt::LeftButton, {}, QPoint(3, 4));
    };
    const struct {
        const char* Name;
        QByteArray Properties;
        std::function<void(TControl&)> Fire;
        QString Outcome; // the handler that ran, or the error
    } cases[] = {
        {"AnyCase", Property("OnClick", "basepanelCLICK"), click, "base BasePanelClick"},
        {"ASlot", Property("OnClick", "BasePanelSlot"), click, "base BasePanelSlot"},
        {"AMouseHandler", Property("OnMouseDown", "BasePanelMouseDown"), press,
         "base BasePanelMouseDown 3,4"},
        {"TheLastBindingOnly",
         Property("OnClick", "BasePanelClick") + Property("OnClick", "BasePanelSlot"), click,
         "base BasePanelSlot"},
        {"NoSuchHandler", Property("OnClick", "NoSuchHandler"), nullptr, invalid},
        {"AParameterOfAnotherType", Property("OnClick", "TakesAnInt"), nullptr, invalid},
        {"TooFewParameters", Property("OnMouseDown", "BasePanelClick"), nullptr, invalid},
        {"TooManyParameters", Property("OnClick", "BasePanelMouseDown"), nullptr, invalid},
        {"ASignalIsNoHandler", Property("OnClick", "OnShow"), nullptr, invalid},
        // The handler is looked for first, then the event, then whether they fit.
        {"NoSuchEvent", Property("OnWhatever", "TakesAnInt"), nullptr,
         QStringLiteral("Property OnWhatever does not exist")},
        {"NoSuchEventNorHandler", Property("OnWhatever", "NoSuchHandler"), nullptr, invalid},
    };
    for (const auto& binding : cases) {
        HandlerLog.clear();
        TTestBaseForm form(nullptr);
        QString outcome = MessageOf<EReadError>(
            [&] { TDescriptionReader(form).Read(OneControl("TPanel", binding.Properties)); });
        if (binding.Fire) {
            EXPECT_EQ(outcome, "no error") << binding.Name;
            auto* panel = dynamic_cast<TControl*>(form.Controls().front());
            panel->SetBounds(0, 0, 20, 20);
            binding.Fire(*panel);
            outcome = HandlerLog.join(" | ");
        }
        EXPECT_EQ(outcome, binding.Outcome) << binding.Name;
    }
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
        const QByteArray property = Property(value.Property, value.Text);
        const bool ofForm = property.contains("Client");
        TForm form(nullptr);
        QByteArray description = OneControl("TPanel", ofForm ? QByteArray() : property);
        if (ofForm)
            description.replace("</form>", property + "</form>");
        TDescriptionReader(form).Read(description);
        const auto* panel = dynamic_cast<const TPanel*>(form.Controls().front());
        EXPECT_EQ(readBack.at(value.Property)(form, *panel), value.Taken)
            << value.Property << "=\"" << value.Text << '"';
    }
}

} // namespace
