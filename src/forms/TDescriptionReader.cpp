#include "forms/TDescriptionReader.h"

#include "forms/ClassByName.h"
#include "forms/Exceptions.h"
#include "forms/TBitBtn.h"
#include "forms/TEdit.h"
#include "forms/TForm.h"
#include "forms/TImage.h"
#include "forms/TLabel.h"
#include "forms/TPanel.h"
#include "forms/TPicture.h"
#include "forms/TPropertyReader.h"

#include <QFile>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QXmlStreamReader>

namespace {

[[noreturn]] void Malformed(const QXmlStreamReader& xml)
{
    throw EReadError(QStringLiteral("Invalid form description (line %1): %2")
                         .arg(xml.lineNumber())
                         .arg(xml.errorString()));
}

QString RequiredAttribute(const QXmlStreamReader& xml, const char* name)
{
    const QString value = xml.attributes().value(QLatin1String(name)).toString();
    if (value.isEmpty())
        throw EReadError(QStringLiteral("Invalid form description (line %1): <%2> without %3")
                             .arg(xml.lineNumber())
                             .arg(xml.name().toString(), QLatin1String(name)));
    return value;
}

bool SameName(const char* name, const QString& wanted)
{
    return QString::fromLatin1(name).compare(wanted, Qt::CaseInsensitive) == 0;
}

// The form's slot or invokable method of that name, ignoring case.
QMetaMethod FindHandler(const TForm& form, const QString& name)
{
    for (const QMetaObject* formClass : form.FormClasses())
        for (int i = formClass->methodOffset(); i < formClass->methodCount(); ++i) {
            const QMetaMethod method = formClass->method(i);
            const bool handler = method.methodType() == QMetaMethod::Slot ||
                                 method.methodType() == QMetaMethod::Method;
            if (handler && SameName(method.name(), name))
                return method;
        }
    return QMetaMethod();
}

// The control's event of that name: a signal its classes declare, not Qt's,
// a class's own before its bases'.
QMetaMethod FindEvent(const TControl& control, const QString& name)
{
    const QMetaObject& type = *control.metaObject();
    for (int i = type.methodCount() - 1; i >= TControl::staticMetaObject.methodOffset(); --i)
        if (type.method(i).methodType() == QMetaMethod::Signal &&
            name == QLatin1String(type.method(i).name()))
            return type.method(i);
    return QMetaMethod();
}

// Puts the control in the form's component field of that name, ignoring
// case; false when the field holds another class. A name without a field
// binds nothing.
bool BindField(TForm& form, const QString& name, TControl* control)
{
    QMetaProperty field;
    for (const QMetaObject* formClass : form.FormClasses())
        for (int i = formClass->propertyOffset(); i < formClass->propertyCount(); ++i)
            if (!field.isValid() && SameName(formClass->property(i).name(), name))
                field = formClass->property(i);
    if (!field.isValid())
        return true;
    const QMetaObject* fieldClass = field.metaType().metaObject();
    return fieldClass && control->metaObject()->inherits(fieldClass) &&
           field.write(&form, QVariant::fromValue(static_cast<QObject*>(control)));
}

} // namespace

void TDescriptionReader::Read(const QByteArray& description)
{
    QXmlStreamReader xml(description);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("form"))
        Malformed(xml);
    ReadBody(xml, FForm);
}

void TDescriptionReader::ReadBody(QXmlStreamReader& xml, TControl& target)
{
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("property"))
            ReadProperty(xml, target);
        else if (xml.name() == QLatin1String("control"))
            ReadControl(xml, target);
        else
            throw EReadError(QStringLiteral("Invalid form description (line %1): unknown <%2>")
                                 .arg(xml.lineNumber())
                                 .arg(xml.name().toString()));
    }
    if (xml.hasError())
        Malformed(xml);
}

void TDescriptionReader::ReadProperty(QXmlStreamReader& xml, TControl& target)
{
    const QString name = RequiredAttribute(xml, "name");
    const QString value = xml.attributes().value(QLatin1String("value")).toString();
    const QString graphicClass = xml.attributes().value(QLatin1String("graphic")).toString();
    xml.skipCurrentElement();
    if (!graphicClass.isEmpty()) {
        ReadPicture(target, name, graphicClass, value);
        return;
    }
    if (name.startsWith(QLatin1String("On")))
        BindEvent(target, name, value);
    else
        PropertyText::Write(target, name, value);
}

void TDescriptionReader::BindEvent(TControl& target, const QString& event,
                                   const QString& handlerName)
{
    const QMetaMethod handler = FindHandler(FForm, handlerName);
    if (!handler.isValid())
        PropertyText::Invalid();
    const QMetaMethod signal = FindEvent(target, event);
    if (!signal.isValid())
        PropertyText::NoSuchProperty(event);
    // Qt would also connect a handler that takes fewer arguments than the
    // event has; a handler takes them all.
    if (handler.parameterCount() != signal.parameterCount() ||
        !QMetaObject::checkConnectArgs(signal, handler))
        PropertyText::Invalid();
    // An event has one handler: a later binding replaces an earlier one.
    QObject::disconnect(&target, signal, nullptr, QMetaMethod());
    if (!QObject::connect(&target, signal, &FForm, handler))
        PropertyText::Invalid();
}

void TDescriptionReader::ReadPicture(TControl& target, const QString& name,
                                     const QString& graphicClass, const QString& file)
{
    const QString property = QStringLiteral("%1.%2").arg(target.Name(), name);
    QFile resource(QStringLiteral(":/forms/") + file);
    if (file.isEmpty() || !resource.open(QIODevice::ReadOnly))
        throw EReadError(
            QStringLiteral("Error reading %1: picture %2 not found").arg(property, file));
    TPicture& picture = PropertyText::PictureOf(target, name);
    try {
        picture.LoadFromData(graphicClass, resource.readAll());
    } catch (const EInvalidGraphic& error) {
        throw EReadError(QStringLiteral("Error reading %1: %2").arg(property, error.Message()));
    }
}

void TDescriptionReader::ReadControl(QXmlStreamReader& xml, TControl& parent)
{
    auto* container = dynamic_cast<TWinControl*>(&parent);
    const QString className = RequiredAttribute(xml, "class");
    const QString name = RequiredAttribute(xml, "name");
    if (!container)
        throw EReadError(QStringLiteral("Control '%1' has no parent window").arg(name));
    if (FForm.FindComponent(name))
        throw EReadError(QStringLiteral("A component named %1 already exists").arg(name));

    TControl* control = CreateControl(className);
    control->BeginLoading();
    control->SetName(name);
    control->SetParent(container);
    if (!BindField(FForm, name, control))
        throw EReadError(QStringLiteral("Field %1 does not hold a %2").arg(name, className));
    ReadBody(xml, *control);
}

TControl* TDescriptionReader::CreateControl(const QString& className)
{
    // The classes a description may name, each with an invokable constructor
    // that takes the owner; registering is cheap once done.
    qRegisterMetaType<TPanel*>();
    qRegisterMetaType<TImage*>();
    qRegisterMetaType<TLabel*>();
    qRegisterMetaType<TBitBtn*>();
    qRegisterMetaType<TEdit*>();
    const QMetaObject* type = ClassByName(className, TControl::staticMetaObject);
    QObject* control = type ? type->newInstance(Q_ARG(TComponent*, &FForm)) : nullptr;
    if (!control)
        throw EReadError(QStringLiteral("Class %1 not found").arg(className));
    return static_cast<TControl*>(control);
}
