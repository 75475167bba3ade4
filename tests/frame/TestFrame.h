#pragma once

#include "frame/Neowin.h"

#include <QFile>

#include <gtest/gtest.h>

#include <vector>

// One of the frame's pictures, as the program's resources hold it.
inline QByteArray FramePicture(const QString& file)
{
    QFile resource(QStringLiteral(":/forms/frame/") + file);
    EXPECT_TRUE(resource.open(QIODevice::ReadOnly)) << file.toStdString();
    return resource.readAll();
}

// A small form on the frame: all three glyphs, and a panel in the client area.
class TTestFrame : public TNeoForm {
    Q_OBJECT
    Q_PROPERTY(TPanel* ClientPanel MEMBER ClientPanel)

public:
    using TNeoForm::TNeoForm;
    // What the window system tells the frame, for tests to tell it too.
    using TNeoForm::Activated;
    using TNeoForm::SizeOrStateChanged;

    TPanel* ClientPanel = nullptr;

    // The bounds each change by code left the window with, in order.
    std::vector<QRect> BoundsChanges;
    void SetBounds(int left, int top, int width, int height) override
    {
        TNeoForm::SetBounds(left, top, width, height);
        BoundsChanges.push_back(BoundsRect());
    }
};
