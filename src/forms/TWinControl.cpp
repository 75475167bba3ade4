#include "forms/TWinControl.h"

#include "forms/Guard.h"

#include <algorithm>

TWinControl::TWinControl(TComponent* owner) : TControl(owner)
{
}

TWinControl::~TWinControl()
{
    // The widget tree deletes the children after this; they must not report back.
    for (TControl* control : FControls)
        control->FParent = nullptr;
}

void TWinControl::HandleNeeded()
{
    if (FHandleAllocated)
        return;
    FHandleAllocated = true;
    AlignControls();
    emit OnResize(this);
}

void TWinControl::EnableAlign()
{
    if (--FAlignDisabled == 0)
        AlignControls();
}

QRect TWinControl::ChildArea() const
{
    return QRect(0, 0, Width(), Height());
}

void TWinControl::AlignControls()
{
    if (!FHandleAllocated || FAlignDisabled > 0 || FAligning)
        return;
    FAligning = true;
    // Each edge moves on from where SetBounds put the last control, which is
    // never past QWIDGETSIZE_MAX: the edges stay far inside int however many
    // children add up their sizes.
    const QRect area = ChildArea();
    int left = area.left();
    int top = area.top();
    int right = area.right() + 1;
    int bottom = area.bottom() + 1;
    for (TAlign kind : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (TControl* control : FControls) {
            if (!control->Visible() || control->Align() != kind)
                continue;
            const int width = control->Width();
            const int height = control->Height();
            switch (kind) {
            case alTop:
                control->SetBounds(left, top, right - left, height);
                top = control->Top() + height;
                break;
            case alBottom:
                control->SetBounds(left, bottom - height, right - left, height);
                bottom = control->Top();
                break;
            case alLeft:
                control->SetBounds(left, top, width, bottom - top);
                left = control->Left() + width;
                break;
            case alRight:
                control->SetBounds(right - width, top, width, bottom - top);
                right = control->Left();
                break;
            default:
                control->SetBounds(left, top, right - left, bottom - top);
                break;
            }
        }
    }
    for (TControl* control : FControls)
        control->ApplyAnchors(BoundsRect().size());
    FAligning = false;
}

int TWinControl::TabOrder() const
{
    if (!Parent())
        return -1;
    const auto& list = Parent()->FTabList;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int order)
{
    if (!Parent())
        return;
    auto& list = Parent()->FTabList;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    const int position = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + position, this);
}

bool TWinControl::CanFocus() const
{
    for (const TControl* control = this; control; control = control->Parent())
        if (!control->Visible() || !control->Enabled())
            return false;
    return FocusWidget() != nullptr;
}

void TWinControl::CollectTabStops(std::vector<TWinControl*>& stops) const
{
    for (TWinControl* control : FTabList) {
        if (control->TabStop() && control->FocusWidget())
            stops.push_back(control);
        control->CollectTabStops(stops);
    }
}

void TWinControl::Resized()
{
    AlignControls();
    if (FHandleAllocated)
        emit OnResize(this);
}

void TWinControl::FontChanged()
{
    TControl::FontChanged();
    for (TControl* control : FControls)
        if (control->ParentFont())
            control->FontChanged();
}

void TWinControl::showEvent(QShowEvent* event)
{
    TControl::showEvent(event);
    Guard([this] { HandleNeeded(); });
}

void TWinControl::InsertControl(TControl* control)
{
    FControls.push_back(control);
    if (auto* windowed = dynamic_cast<TWinControl*>(control))
        FTabList.push_back(windowed);
    AlignControls();
}

void TWinControl::RemoveControl(TControl* control)
{
    FControls.erase(std::remove(FControls.begin(), FControls.end(), control), FControls.end());
    FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), control), FTabList.end());
}
