#include "forms/TImage.h"

#include "forms/Exceptions.h"
#include "forms/Guard.h"
#include "forms/TBitmap.h"

#include <QPainter>

TImage::TImage(TComponent* owner) : TControl(owner)
{
    FPicture.OnChange = [this](bool replaced, const QRect& area) {
        PictureChanged(replaced, area);
    };
}

TCanvas& TImage::Canvas()
{
    if (!FPicture.Graphic())
        FPicture.SetGraphic(std::make_unique<TBitmap>(Width(), Height()));
    auto* bitmap = dynamic_cast<TBitmap*>(FPicture.Graphic());
    if (!bitmap)
        throw EInvalidOperation(QStringLiteral("Can only modify an image if it contains a bitmap"));
    return bitmap->Canvas();
}

void TImage::SetAutoSize(bool autoSize)
{
    FAutoSize = autoSize;
    AdjustSize();
}

void TImage::AdjustSize()
{
    const TGraphic* graphic = FPicture.Graphic();
    if (!FAutoSize || !graphic)
        return;
    // The aligned dimension stays with the alignment.
    const bool fixedWidth = Align() == alTop || Align() == alBottom || Align() == alClient;
    const bool fixedHeight = Align() == alLeft || Align() == alRight || Align() == alClient;
    SetBounds(Left(), Top(), fixedWidth ? Width() : graphic->Width(),
              fixedHeight ? Height() : graphic->Height());
}

void TImage::PictureChanged(bool replaced, const QRect& area)
{
    // Graphics keep their size, so only a new one can change size or opacity.
    if (replaced) {
        AdjustSize();
        UpdateOpacity();
        FRepaintPending = rect();
        update();
        return;
    }
    // The picture lies at the control's top-left corner: its pixels are the
    // control's. Only what changed is painted again.
    const QRect changed = area & rect();
    if (changed.isEmpty() || FRepaintPending.contains(changed))
        return;
    FRepaintPending |= changed;
    update(FRepaintPending);
}

QAccessible::Role TImage::AccessibleRole() const
{
    if (IsGlyphButton())
        return QAccessible::PushButton;
    return accessibleName().isEmpty() ? QAccessible::Client : QAccessible::Graphic;
}

QString TImage::AccessibleText() const
{
    return IsGlyphButton() ? Hint() : QString();
}

void TImage::Resized()
{
    UpdateOpacity();
}

void TImage::UpdateOpacity()
{
    // Where the picture covers the whole control Qt need not paint the parent beneath.
    const TGraphic* graphic = FPicture.Graphic();
    const bool opaque = graphic && graphic->Opaque() && graphic->Width() >= Width() &&
                        graphic->Height() >= Height();
    if (opaque != testAttribute(Qt::WA_OpaquePaintEvent))
        setAttribute(Qt::WA_OpaquePaintEvent, opaque);
}

void TImage::paintEvent(QPaintEvent*)
{
    FRepaintPending = QRect();
    if (const TGraphic* graphic = FPicture.Graphic()) {
        QPainter painter(this);
        Guard([&] { graphic->Draw(painter); });
    }
}
