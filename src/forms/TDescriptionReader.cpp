#include "forms/TDescriptionReader.h"

#include "forms/Exceptions.h"
#include "forms/TBitBtn.h"
#include "forms/TEdit.h"
#include "forms/TForm.h"
#include "forms/TImage.h"
#include "forms/TLabel.h"
#include "forms/TPanel.h"
#include "forms/TPropertyReader.h"

#include <QFile>
#include <QXmlStreamReader>

#include <functional>
#include <map>

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

template <class T> TControl* Make(TComponent* owner)
{
    return new T(owner);
}

} // namespace

void TDescriptionReader::Read(const QByteArray& description)
{
    QXmlStreamReader xml(description);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("form"))
        Malformed(xml);
    ReadBody(xml, FForm);
    if (xml.hasError())
        Malformed(xml);
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
    if (!name.startsWith(QLatin1String("On"))) {
        target.SetProperty(name, value);
        return;
    }
    const THandlerEntry* handler = FForm.FormClass().FindHandler(value);
    if (!handler)
        PropertyText::Invalid();
    target.SetEvent(name, handler->Bind(FForm));
}

void TDescriptionReader::ReadPicture(TControl& target, const QString& name,
                                     const QString& graphicClass, const QString& file)
{
    const QString property = QStringLiteral("%1.%2").arg(target.Name(), name);
    QFile resource(QStringLiteral(":/forms/") + file);
    if (file.isEmpty() || !resource.open(QIODevice::ReadOnly))
        throw EReadError(
            QStringLiteral("Error reading %1: picture %2 not found").arg(property, file));
    try {
        target.SetGraphicProperty(name, graphicClass, resource.readAll());
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
    if (const TFieldEntry* field = FForm.FormClass().FindField(name))
        if (!field->Assign(FForm, control))
            throw EReadError(QStringLiteral("Field %1 does not hold a %2").arg(name, className));
    ReadBody(xml, *control);
}

TControl* TDescriptionReader::CreateControl(const QString& className)
{
    static const std::map<QString, std::function<TControl*(TComponent*)>> classes = {
        {"TPanel", Make<TPanel>},   {"TImage", Make<TImage>}, {"TLabel", Make<TLabel>},
        {"TBitBtn", Make<TBitBtn>}, {"TEdit", Make<TEdit>},
    };
    const auto found = classes.find(className);
    if (found == classes.end())
        throw EReadError(QStringLiteral("Class %1 not found").arg(className));
    return found->second(&FForm);
}
