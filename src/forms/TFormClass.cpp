#include "forms/TFormClass.h"

namespace {

template <class Entry>
const Entry* FindIn(const TFormClass* formClass, const std::vector<Entry> TFormClass::*entries,
                    const QString& name)
{
    for (; formClass; formClass = formClass->Parent)
        for (const Entry& entry : formClass->*entries)
            if (entry.Name.compare(name, Qt::CaseInsensitive) == 0)
                return &entry;
    return nullptr;
}

} // namespace

const THandlerEntry* TFormClass::FindHandler(const QString& name) const
{
    return FindIn(this, &TFormClass::Handlers, name);
}

const TFieldEntry* TFormClass::FindField(const QString& name) const
{
    return FindIn(this, &TFormClass::Fields, name);
}
