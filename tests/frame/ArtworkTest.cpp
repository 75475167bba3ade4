#include "TestFrame.h"

#include "forms/TBitmap.h"
#include "forms/TJPEGImage.h"

#include <QtEndian>

#include <gtest/gtest.h>

namespace {

struct TArtwork {
    const char* File;
    QSize Size;
};

// Names a case after its picture file, without the extension.
const auto PictureName = [](const auto& info) {
    return QString::fromLatin1(info.param.File).section(u'.', 0, 0).toStdString();
};

class JpegArtwork : public ::testing::TestWithParam<TArtwork> {};

// Baseline, 8-bit, three components, none of them subsampled.
TEST_P(JpegArtwork, IsABaselineFullColourJpegOfItsSize)
{
    const QByteArray data = FramePicture(GetParam().File);
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    int frame = -1;
    for (int i = 2; i + 1 < data.size() && frame < 0; ++i) {
        if (bytes[i] != 0xFF)
            continue;
        EXPECT_NE(bytes[i + 1], 0xC2) << "progressive";
        if (bytes[i + 1] == 0xC0)
            frame = i + 4;
    }
    ASSERT_GT(frame, 0) << "no baseline frame header";
    EXPECT_EQ(bytes[frame], 8);
    EXPECT_EQ(qFromBigEndian<quint16>(bytes + frame + 1), GetParam().Size.height());
    EXPECT_EQ(qFromBigEndian<quint16>(bytes + frame + 3), GetParam().Size.width());
    ASSERT_EQ(bytes[frame + 5], 3);
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(bytes[frame + 6 + 3 * c + 1], 0x11) << "component " << c;

    TJPEGImage image;
    image.LoadFromData(data);
    EXPECT_EQ(image.Image().size(), GetParam().Size);
}

INSTANTIATE_TEST_SUITE_P(
    Frame, JpegArtwork,
    ::testing::Values(TArtwork{"LeftImage.jpg", {10, 800}}, TArtwork{"RightImage.jpg", {13, 800}},
                      TArtwork{"GetFTopLeftImage.jpg", {81, 49}},
                      TArtwork{"GetFTopRightImage.jpg", {94, 49}},
                      TArtwork{"MinImage.jpg", {17, 19}}, TArtwork{"RestoreImage.jpg", {17, 19}},
                      TArtwork{"MaxImage.jpg", {17, 19}}, TArtwork{"CloseImage.jpg", {17, 19}},
                      TArtwork{"BottomLeftImage.jpg", {10, 12}},
                      TArtwork{"BottomRightImage.jpg", {13, 12}}),
    PictureName);

// The two bands: 24-bit, bottom-up, the plain 40-byte header, each row one
// colour; rows given as a pair alternate between the two.
struct TBand {
    const char* File;
    int Width;
    std::vector<std::vector<QRgb>> Rows;
};

void PrintTo(const TBand& band, std::ostream* out)
{
    *out << band.File;
}

class BandArtwork : public ::testing::TestWithParam<TBand> {};

TEST_P(BandArtwork, IsAPlainBitmapOfOneColourARow)
{
    const TBand& band = GetParam();
    const QByteArray data = FramePicture(band.File);
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    ASSERT_GE(data.size(), 54);
    EXPECT_EQ(data.left(2), "BM");
    EXPECT_EQ(qFromLittleEndian<quint32>(bytes + 10), 54u);
    EXPECT_EQ(qFromLittleEndian<quint32>(bytes + 14), 40u);
    EXPECT_EQ(qFromLittleEndian<qint32>(bytes + 18), band.Width);
    EXPECT_EQ(qFromLittleEndian<qint32>(bytes + 22), static_cast<int>(band.Rows.size()))
        << "positive: bottom-up";
    EXPECT_EQ(qFromLittleEndian<quint16>(bytes + 28), 24);
    EXPECT_EQ(qFromLittleEndian<quint32>(bytes + 30), 0u);

    TBitmap bitmap;
    bitmap.LoadFromData(data);
    const QImage& image = bitmap.Image();
    ASSERT_EQ(image.size(), QSize(band.Width, static_cast<int>(band.Rows.size())));
    for (int y = 0; y < image.height(); ++y) {
        const QRgb colour = image.pixel(0, y);
        for (int x = 1; x < image.width(); ++x)
            ASSERT_EQ(image.pixel(x, y), colour) << "row " << y;
        const std::vector<QRgb>& allowed = band.Rows[y];
        if (allowed.size() == 1) {
            EXPECT_EQ(colour, allowed[0]) << "row " << y;
        } else if (allowed.size() == 2) {
            EXPECT_TRUE((colour == allowed[0] || colour == allowed[1]) &&
                        colour != image.pixel(0, y - 1))
                << "row " << y << " alternates";
        }
    }
}

std::vector<std::vector<QRgb>> TitleRows()
{
    std::vector<std::vector<QRgb>> rows = {{0xFFFFFFFF}, {0xFFEFEFEF}, {0xFFDFDFDF}, {0xFFD0D7D0},
                                           {0xFFD0D7D0}, {0xFF9FA0A0}, {0xFF606860}};
    for (int y = 7; y <= 23; ++y)
        rows.push_back({0xFF0F508F, 0xFF2F70AF});
    rows.push_back({0xFF4F98DF});
    for (int y = 25; y <= 40; ++y)
        rows.push_back({0xFF90B8E0, 0xFFBFD7E0});
    for (QRgb colour : {0xFF3F80BF, 0xFF6FA8DF, 0xFFAFC7DF})
        rows.push_back({colour});
    for (int y = 44; y < 48; ++y)
        rows.push_back({});
    rows.push_back({0xFFCFCFCF});
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Frame, BandArtwork,
                         ::testing::Values(TBand{"GetFTopCenterImage.bmp", 1280, TitleRows()},
                                           TBand{"BottomCenterImage.bmp",
                                                 1280,
                                                 {{0xFFCFC8CF},
                                                  {0xFFCFCFCF},
                                                  {0xFFB0B0B0},
                                                  {0xFF9F989F},
                                                  {0xFF707870},
                                                  {0xFF4F504F},
                                                  {0xFF2F2F2F},
                                                  {0xFF002F50},
                                                  {0xFF1F5070},
                                                  {0xFF0F3750},
                                                  {0xFF002740},
                                                  {0xFF0F1F30}}}),
                         PictureName);

} // namespace
