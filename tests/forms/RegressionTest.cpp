// Inputs that once hung, crashed or misbehaved, kept in regressions/ as the
// files that showed it.
#include "forms/TDescriptionReader.h"
#include "forms/TForm.h"
#include "forms/TPanel.h"
#include "support/ApplicationFixture.h"

#include <QFile>
#include <QImage>

namespace {

QByteArray Regression(const QString& name)
{
    QFile file(QStringLiteral(":/regressions/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

QImage Rendered(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    widget.render(&image);
    return image;
}

class Regressions : public ApplicationFixture {
protected:
    TForm FForm{nullptr};
};

TEST_F(Regressions, APanelBevelFarWiderThanThePanelPaintsAtOnce)
{
    // Painting once took a step per unit of bevel width: some 475 million here.
    TDescriptionReader(FForm).Read(Regression(QStringLiteral("PANEL_WIDE_BEVEL")));
    auto* panel = dynamic_cast<TPanel*>(FForm.FindComponent(QStringLiteral("Panel")));
    ASSERT_NE(panel, nullptr);
    ASSERT_EQ(panel->BevelWidth(), 474834480);
    const QImage wide = Rendered(*panel);
    // Rings past the panel's size add nothing, so any such width paints alike.
    panel->SetBevelWidth(1000);
    EXPECT_EQ(Rendered(*panel), wide);
    panel->SetBevelWidth(1);
    EXPECT_NE(Rendered(*panel), wide);
}

} // namespace
