// A whole form description, as any text, read into a fresh form. Reading
// either succeeds or raises an exception of the framework's family; anything
// else escaping is a fault. A description that was read is then finished as
// form creation finishes one: native window, loading notifications, layout,
// and a paint of the form's corner.
#include "FuzzApplication.h"

#include "forms/Exceptions.h"
#include "forms/TApplication.h"
#include "forms/TDescriptionReader.h"
#include "forms/TForm.h"
#include "forms/TImage.h"
#include "forms/TLabel.h"
#include "forms/TPanel.h"

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

// A form class with handlers under the names the committed descriptions use,
// of each kind, and a few fields, so that reading gets past their events.
class TFuzzForm : public TForm {
public:
    explicit TFuzzForm(TComponent* owner) : TForm(owner) {}

    static const TFormClass& StaticClass()
    {
        static const TFormClass formClass{
            QStringLiteral("TFuzzForm"),
            &TForm::StaticClass(),
            {
                Handler("FormCreate", &TFuzzForm::Notify),
                Handler("FormResize", &TFuzzForm::Notify),
                Handler("FormShow", &TFuzzForm::Notify),
                Handler("TopPanelResize", &TFuzzForm::Notify),
                Handler("BottomPanelResize", &TFuzzForm::Notify),
                Handler("BasePanelClick", &TFuzzForm::Notify),
                Handler("MinImageClick", &TFuzzForm::Notify),
                Handler("CloseImageClick", &TFuzzForm::Notify),
                Handler("btnGoClick", &TFuzzForm::Notify),
                Handler("CaptionLabelDblClick", &TFuzzForm::Notify),
                Handler("FormCanResize", &TFuzzForm::CanResize),
                Handler("LeftImageMouseDown", &TFuzzForm::Mouse),
                Handler("LeftImageMouseUp", &TFuzzForm::Mouse),
                Handler("CaptionLabelMouseDown", &TFuzzForm::Mouse),
                Handler("CaptionLabelMouseUp", &TFuzzForm::Mouse),
                Handler("LeftImageMouseMove", &TFuzzForm::MouseMove),
                Handler("CaptionLabelMouseMove", &TFuzzForm::MouseMove),
            },
            {
                Field("TopPanel", &TFuzzForm::TopPanel),
                Field("CaptionLabel", &TFuzzForm::CaptionLabel),
                Field("LeftImage", &TFuzzForm::LeftImage),
            },
        };
        return formClass;
    }
    const TFormClass& FormClass() const override { return StaticClass(); }

    TPanel* TopPanel = nullptr;
    TLabel* CaptionLabel = nullptr;
    TImage* LeftImage = nullptr;

private:
    void Notify(TComponent*) {}
    void CanResize(TComponent*, int&, int&, bool&) {}
    void Mouse(TComponent*, TMouseButton, TShiftState, int, int) {}
    void MouseMove(TComponent*, TShiftState, int, int) {}
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    StartFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto* form = new TFuzzForm(Application);
    try {
        TDescriptionReader(*form).Read(QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                                               static_cast<qsizetype>(size)));
        // As showing the form would: every container gets its native window
        // and arranges its children, outer ones first.
        form->HandleNeeded();
        const std::vector<TComponent*> components = form->Components();
        for (TComponent* component : components)
            if (auto* container = dynamic_cast<TWinControl*>(component))
                container->HandleNeeded();
        for (TComponent* component : components)
            if (component->Loading())
                component->Loaded();
        form->Loaded();
        form->AlignControls();
        QImage target(64, 64, QImage::Format_RGB32);
        form->render(&target, QPoint(), QRegion(0, 0, 64, 64));
    } catch (const Exception&) {
        // A description the framework refuses, with its message.
    }
    delete form;
    return 0;
}
