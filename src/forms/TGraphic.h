#pragma once

#include <QByteArray>
#include <QObject>
#include <QRect>

#include <functional>
#include <memory>

class QPainter;

// A picture a TPicture can hold: it knows its size, draws itself unscaled and
// reports changes. A description names its class: a graphic class has an
// invokable constructor without arguments.
class TGraphic : public QObject {
    Q_OBJECT

public:
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Draws at (0, 0), pixel for pixel; the painter clips.
    virtual void Draw(QPainter& painter) const = 0;
    // Whether every pixel is drawn, so nothing beneath shows through.
    virtual bool Opaque() const = 0;
    virtual std::unique_ptr<TGraphic> Clone() const = 0;
    // Replaces the content with a file of the graphic's format; raises
    // EInvalidGraphic, and keeps the old content, when the data does not decode.
    virtual void LoadFromData(const QByteArray& data) = 0;

    // Raised with the rectangle whose pixels may have changed.
    std::function<void(const QRect& area)> OnChange;

protected:
    void Changed(const QRect& area)
    {
        if (OnChange)
            OnChange(area);
    }
    // The whole picture.
    void Changed() { Changed(QRect(0, 0, Width(), Height())); }
};
