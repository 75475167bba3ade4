#pragma once

#include "forms/TControl.h"

#include <vector>

// A control that holds other controls. Once it has its native window (from
// its first showing on) it arranges its aligned children: top, bottom, left,
// right, then client, inside ChildArea(). Before that its children keep the
// bounds they were given.
class TWinControl : public TControl {
    Q_OBJECT
    Q_PROPERTY(int TabOrder READ TabOrder WRITE SetTabOrder)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)

public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    // Children in creation order.
    const std::vector<TControl*>& Controls() const { return FControls; }

    bool HandleAllocated() const { return FHandleAllocated; }
    void HandleNeeded();

    void DisableAlign() { ++FAlignDisabled; }
    void EnableAlign();
    void AlignControls();

    // The area aligned children share, in client coordinates.
    virtual QRect ChildArea() const;

    // Position among the parent's tab stops; -1 without a parent.
    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool tabStop) { FTabStop = tabStop; }
    // The Qt widget that takes the keyboard focus; none for plain containers.
    virtual QWidget* FocusWidget() const { return nullptr; }
    bool CanFocus() const;
    // Tab stops of this container and everything inside it, in tab order.
    void CollectTabStops(std::vector<TWinControl*>& stops) const;

signals:
    void OnResize(TComponent* Sender);

protected:
    void Resized() override;
    void FontChanged() override;
    void showEvent(QShowEvent* event) override;

private:
    friend class TControl;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);

    std::vector<TControl*> FControls;
    std::vector<TWinControl*> FTabList;
    bool FHandleAllocated = false;
    int FAlignDisabled = 0;
    bool FAligning = false;
    bool FTabStop = false;
};
