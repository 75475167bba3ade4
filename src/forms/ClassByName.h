#pragma once

#include <QMetaType>
#include <QString>

// The class of that name, derived from base, as Qt's meta-type system knows
// it: a class is known by name once its pointer type is registered
// (qRegisterMetaType<TPanel*>()). nullptr for any other name.
inline const QMetaObject* ClassByName(const QString& name, const QMetaObject& base)
{
    const QMetaObject* type = QMetaType::fromName(name.toUtf8() + '*').metaObject();
    return type && type->inherits(&base) ? type : nullptr;
}
