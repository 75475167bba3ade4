#pragma once

#include "forms/Events.h"

#include <QString>

#include <functional>
#include <vector>

class TForm;

// A handler that descriptions may name, and how to bind it to a form instance.
struct THandlerEntry {
    QString Name;
    std::function<TBoundMethod(TForm&)> Bind;
};

// A component field that descriptions fill by the component's name.
struct TFieldEntry {
    QString Name;
    // False when the component is not of the field's class.
    std::function<bool(TForm&, TComponent*)> Assign;
};

// What a form class tells the description reader: its name (its description
// is the resource named after it in upper case), its base class, and the
// handlers and fields it declares.
struct TFormClass {
    QString Name;
    const TFormClass* Parent;
    std::vector<THandlerEntry> Handlers;
    std::vector<TFieldEntry> Fields;

    QString ResourceName() const { return Name.toUpper(); }
    // Searches this class first, then its bases, ignoring case.
    const THandlerEntry* FindHandler(const QString& name) const;
    const TFieldEntry* FindField(const QString& name) const;
};

template <class F> THandlerEntry Handler(const char* name, void (F::*method)(TComponent*))
{
    return {QString::fromLatin1(name), [method](TForm& form) {
                F* self = static_cast<F*>(&form);
                TBoundMethod bound;
                bound.Notify = [self, method](TComponent* sender) { (self->*method)(sender); };
                return bound;
            }};
}

template <class F>
THandlerEntry Handler(const char* name,
                      void (F::*method)(TComponent*, TMouseButton, TShiftState, int, int))
{
    return {QString::fromLatin1(name), [method](TForm& form) {
                F* self = static_cast<F*>(&form);
                TBoundMethod bound;
                bound.Mouse = [self, method](TComponent* sender, TMouseButton button,
                                             TShiftState shift, int x, int y) {
                    (self->*method)(sender, button, shift, x, y);
                };
                return bound;
            }};
}

template <class F>
THandlerEntry Handler(const char* name, void (F::*method)(TComponent*, TShiftState, int, int))
{
    return {QString::fromLatin1(name), [method](TForm& form) {
                F* self = static_cast<F*>(&form);
                TBoundMethod bound;
                bound.MouseMove = [self, method](TComponent* sender, TShiftState shift, int x,
                                                 int y) { (self->*method)(sender, shift, x, y); };
                return bound;
            }};
}

template <class F>
THandlerEntry Handler(const char* name, void (F::*method)(TComponent*, int&, int&, bool&))
{
    return {QString::fromLatin1(name), [method](TForm& form) {
                F* self = static_cast<F*>(&form);
                TBoundMethod bound;
                bound.CanResize = [self, method](TComponent* sender, int& width, int& height,
                                                 bool& resize) {
                    (self->*method)(sender, width, height, resize);
                };
                return bound;
            }};
}

template <class F, class C> TFieldEntry Field(const char* name, C* F::*member)
{
    return {QString::fromLatin1(name), [member](TForm& form, TComponent* component) {
                C* typed = dynamic_cast<C*>(component);
                if (!typed)
                    return false;
                static_cast<F&>(form).*member = typed;
                return true;
            }};
}
