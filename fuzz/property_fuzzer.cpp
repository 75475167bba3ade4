// One property value at a time on a control of every class. The first byte
// picks the property's name from the table of names the classes know; past
// the table's end the name is the input's first line instead. The rest is the
// value. A control either takes the value or raises EReadError; afterwards the
// form still aligns and paints.
#include "FuzzApplication.h"

#include "forms/Exceptions.h"
#include "forms/TApplication.h"
#include "forms/TBitBtn.h"
#include "forms/TEdit.h"
#include "forms/TForm.h"
#include "forms/TImage.h"
#include "forms/TLabel.h"
#include "forms/TPanel.h"

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <vector>

namespace {

const char* const PropertyNames[] = {
    // TControl
    "Left",
    "Top",
    "Width",
    "Height",
    "Align",
    "Anchors",
    "Visible",
    "Enabled",
    "Cursor",
    "Hint",
    "ShowHint",
    "ParentShowHint",
    "ParentFont",
    "ParentColor",
    "Color",
    "Caption",
    "Font.Name",
    "Font.Height",
    "Font.Charset",
    "Font.Color",
    "Font.Style",
    // TWinControl
    "TabOrder",
    "TabStop",
    // TPanel
    "BevelOuter",
    "BevelInner",
    "BevelWidth",
    "BorderWidth",
    // TLabel, TImage
    "Alignment",
    "AutoSize",
    "Transparent",
    // TEdit
    "Text",
    // TForm
    "ClientWidth",
    "ClientHeight",
    "BorderStyle",
    "BorderIcons",
    "Position",
    "WindowState",
    "OldCreateOrder",
    "PixelsPerInch",
    "TextHeight",
};
constexpr std::size_t NameCount = std::size(PropertyNames);

void Apply(TControl& control, const QString& name, const QString& value)
{
    try {
        control.SetProperty(name, value);
    } catch (const EReadError&) {
        // A value or a name the class does not take.
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    StartFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QString rest = QString::fromUtf8(reinterpret_cast<const char*>(data) + 1,
                                           static_cast<qsizetype>(size - 1));
    const std::size_t index = data[0] % (NameCount + 1);
    QString name;
    QString value;
    if (index < NameCount) {
        name = QString::fromLatin1(PropertyNames[index]);
        value = rest;
    } else {
        const qsizetype lineEnd = rest.indexOf(u'\n');
        name = rest.left(lineEnd);
        value = lineEnd < 0 ? QString() : rest.mid(lineEnd + 1);
    }

    // A bare form with its native window, a panel filling it, and one control
    // of each other class on the panel, as a description would make them.
    auto* form = new TForm(Application, 0);
    form->Create();
    form->SetBounds(0, 0, 200, 120);
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetAlign(alClient);
    panel->HandleNeeded();
    panel->SetCaption(QStringLiteral("panel"));
    auto* label = new TLabel(form);
    label->SetBounds(4, 4, 60, 16);
    label->SetCaption(QStringLiteral("label"));
    label->SetParent(panel);
    auto* image = new TImage(form);
    image->SetBounds(70, 4, 32, 32);
    image->SetParent(panel);
    auto* edit = new TEdit(form);
    edit->SetBounds(4, 40, 80, 20);
    edit->SetParent(panel);
    edit->SetAnchors(akLeft | akTop | akRight);
    edit->HandleNeeded();
    auto* button = new TBitBtn(form);
    button->SetBounds(4, 70, 80, 24);
    button->SetCaption(QStringLiteral("button"));
    button->SetParent(panel);
    button->SetAnchors(akRight | akBottom);
    button->HandleNeeded();
    for (TComponent* component : std::vector<TComponent*>(form->Components()))
        component->Loaded();
    form->Loaded();

    for (TControl* control : {static_cast<TControl*>(form), static_cast<TControl*>(panel),
                              static_cast<TControl*>(label), static_cast<TControl*>(image),
                              static_cast<TControl*>(edit), static_cast<TControl*>(button)})
        Apply(*control, name, value);

    // What the value did to the layout and the painting.
    form->AlignControls();
    panel->AlignControls();
    QImage target(64, 64, QImage::Format_RGB32);
    form->render(&target, QPoint(), QRegion(0, 0, 64, 64));
    delete form;
    return 0;
}
