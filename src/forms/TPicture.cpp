#include "forms/TPicture.h"

#include "forms/ClassByName.h"
#include "forms/Exceptions.h"
#include "forms/TBitmap.h"
#include "forms/TJPEGImage.h"

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic)
{
    FGraphic = std::move(graphic);
    if (FGraphic)
        FGraphic->OnChange = [this](const QRect& area) { Changed(false, area); };
    Changed(true, FGraphic ? QRect(0, 0, FGraphic->Width(), FGraphic->Height()) : QRect());
}

void TPicture::Assign(const TPicture& other)
{
    SetGraphic(other.Graphic() ? other.Graphic()->Clone() : nullptr);
}

void TPicture::LoadFromData(const QString& graphicClass, const QByteArray& data)
{
    // The classes a description may name.
    qRegisterMetaType<TBitmap*>();
    qRegisterMetaType<TJPEGImage*>();
    const QMetaObject* type = ClassByName(graphicClass, TGraphic::staticMetaObject);
    std::unique_ptr<TGraphic> graphic(type ? static_cast<TGraphic*>(type->newInstance()) : nullptr);
    if (!graphic)
        throw EInvalidGraphic(QStringLiteral("Unknown picture class %1").arg(graphicClass));
    graphic->LoadFromData(data);
    SetGraphic(std::move(graphic));
}

void TPicture::Changed(bool replaced, const QRect& area)
{
    if (OnChange)
        OnChange(replaced, area);
}
