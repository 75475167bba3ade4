// One property value at a time on a control of every class. The first byte
// picks the property's name from those the classes' meta-objects declare
// (a gadget's members as "Font.Name"); past their end the name is the
// input's first line instead. The rest is the value. A control either takes
// the value or raises EReadError; afterwards the form still aligns and paints.
#include "FuzzApplication.h"

#include "forms/Exceptions.h"
#include "forms/TApplication.h"
#include "forms/TBitBtn.h"
#include "forms/TEdit.h"
#include "forms/TForm.h"
#include "forms/TImage.h"
#include "forms/TLabel.h"
#include "forms/TPanel.h"
#include "forms/TPropertyReader.h"

#include <QImage>
#include <QMetaProperty>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

void Apply(TControl& control, const QString& name, const QString& value)
{
    try {
        PropertyText::Write(control, name, value);
    } catch (const EReadError&) {
        // A value or a name the class does not take.
    }
}

// The properties a control's classes declare, from TControl on.
QStringList DeclaredNames(const QMetaObject& type)
{
    QStringList names;
    for (int i = TControl::staticMetaObject.propertyOffset(); i < type.propertyCount(); ++i) {
        const QString name = QLatin1String(type.property(i).name());
        names << name;
        const QMetaType valueType = type.property(i).metaType();
        if (valueType.flags().testFlag(QMetaType::IsGadget))
            for (int j = 0; j < valueType.metaObject()->propertyCount(); ++j)
                names << name + u'.' + QLatin1String(valueType.metaObject()->property(j).name());
    }
    return names;
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

    const std::vector<TControl*> controls = {form, panel, label, image, edit, button};
    // The first byte picks a name the classes declare; any byte past their
    // count (the seeds use 0xFF) names the property by the first line instead.
    QStringList names;
    for (const TControl* control : controls)
        names += DeclaredNames(*control->metaObject());
    names.removeDuplicates();
    names.sort();
    const QString rest = QString::fromUtf8(reinterpret_cast<const char*>(data) + 1,
                                           static_cast<qsizetype>(size - 1));
    const qsizetype index = data[0];
    QString name;
    QString value;
    if (index < names.size()) {
        name = names[index];
        value = rest;
    } else {
        const qsizetype lineEnd = rest.indexOf(u'\n');
        name = rest.left(lineEnd);
        value = lineEnd < 0 ? QString() : rest.mid(lineEnd + 1);
    }
    for (TControl* control : controls)
        Apply(*control, name, value);

    // What the value did to the layout and the painting.
    form->AlignControls();
    panel->AlignControls();
    QImage target(64, 64, QImage::Format_RGB32);
    form->render(&target, QPoint(), QRegion(0, 0, 64, 64));
    delete form;
    return 0;
}
