#pragma once

#include <QString>

#include <vector>

// The root of everything a form description can create: a name, and an owner
// that lists it. Owners do not delete what they own: the widget tree does, and
// the application deletes its forms.
class TComponent {
public:
    explicit TComponent(TComponent* owner);
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const QString& Name() const { return FName; }
    void SetName(const QString& name) { FName = name; }

    const std::vector<TComponent*>& Components() const { return FComponents; }
    // Case-insensitive, as names are in descriptions.
    TComponent* FindComponent(const QString& name) const;

    // Called once after all the descriptions of the owning form have been read.
    virtual void Loaded() { FLoading = false; }
    bool Loading() const { return FLoading; }
    void BeginLoading() { FLoading = true; }

private:
    TComponent* FOwner;
    QString FName;
    std::vector<TComponent*> FComponents;
    bool FLoading = false;
};
