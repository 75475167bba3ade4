#include "forms/TComponent.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner) : FOwner(owner)
{
    if (FOwner)
        FOwner->FComponents.push_back(this);
}

TComponent::~TComponent()
{
    for (TComponent* owned : FComponents)
        owned->FOwner = nullptr;
    if (FOwner) {
        auto& list = FOwner->FComponents;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
}

TComponent* TComponent::FindComponent(const QString& name) const
{
    for (TComponent* component : FComponents)
        if (component->FName.compare(name, Qt::CaseInsensitive) == 0)
            return component;
    return nullptr;
}
