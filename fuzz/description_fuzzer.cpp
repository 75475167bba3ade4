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
    Q_OBJECT
    Q_PROPERTY(TPanel* TopPanel MEMBER TopPanel)
    Q_PROPERTY(TLabel* CaptionLabel MEMBER CaptionLabel)
    Q_PROPERTY(TImage* LeftImage MEMBER LeftImage)

public:
    explicit TFuzzForm(TComponent* owner) : TForm(owner) {}

    TPanel* TopPanel = nullptr;
    TLabel* CaptionLabel = nullptr;
    TImage* LeftImage = nullptr;

    Q_INVOKABLE void FormCreate(TComponent*) {}
    Q_INVOKABLE void FormResize(TComponent*) {}
    Q_INVOKABLE void FormShow(TComponent*) {}
    Q_INVOKABLE void TopPanelResize(TComponent*) {}
    Q_INVOKABLE void BottomPanelResize(TComponent*) {}
    Q_INVOKABLE void BasePanelClick(TComponent*) {}
    Q_INVOKABLE void MinImageClick(TComponent*) {}
    Q_INVOKABLE void CloseImageClick(TComponent*) {}
    Q_INVOKABLE void btnGoClick(TComponent*) {}
    Q_INVOKABLE void CaptionLabelDblClick(TComponent*) {}
    Q_INVOKABLE void FormCanResize(TComponent*, int&, int&, bool&) {}
    Q_INVOKABLE void LeftImageMouseDown(TComponent*, TMouseButton, TShiftState, int, int) {}
    Q_INVOKABLE void LeftImageMouseUp(TComponent*, TMouseButton, TShiftState, int, int) {}
    Q_INVOKABLE void CaptionLabelMouseDown(TComponent*, TMouseButton, TShiftState, int, int) {}
    Q_INVOKABLE void CaptionLabelMouseUp(TComponent*, TMouseButton, TShiftState, int, int) {}
    Q_INVOKABLE void LeftImageMouseMove(TComponent*, TShiftState, int, int) {}
    Q_INVOKABLE void CaptionLabelMouseMove(TComponent*, TShiftState, int, int) {}
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

#include "description_fuzzer.moc"
