#pragma once

#include "forms/TGraphic.h"

#include <QRect>
#include <QString>

#include <functional>
#include <memory>

// Holds one graphic, or none, and passes its changes on.
class TPicture {
public:
    TGraphic* Graphic() const { return FGraphic.get(); }
    void SetGraphic(std::unique_ptr<TGraphic> graphic);
    // Installs a copy of the other picture's graphic, or none.
    void Assign(const TPicture& other);
    // Makes a graphic of the named class ("TJPEGImage", "TBitmap") from a file
    // of its format. Raises EInvalidGraphic for an unknown class or data that
    // does not decode; the picture then keeps what it had.
    void LoadFromData(const QString& graphicClass, const QByteArray& data);

    // Raised for every change; replaced is true when another graphic (or
    // none) was installed, false when the graphic's pixels changed, within area.
    std::function<void(bool replaced, const QRect& area)> OnChange;

private:
    void Changed(bool replaced, const QRect& area);

    std::unique_ptr<TGraphic> FGraphic;
};
