#include "TestFrame.h"

#include "forms/Exceptions.h"
#include "forms/TBitmap.h"
#include "forms/TCanvas.h"
#include "forms/TDescriptionReader.h"
#include "forms/TForm.h"
#include "forms/TImage.h"
#include "forms/TJPEGImage.h"
#include "forms/TPicture.h"
#include "support/ApplicationFixture.h"
#include "support/Failures.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace {

// Encodes a picture with libjpeg's own encoder, independent of our decoder;
// \a configure sets the scans.
template <typename Configure> QByteArray CompressedJpeg(const QImage& image, Configure configure)
{
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(image.width());
    info.image_height = static_cast<JDIMENSION>(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    configure(info);
    jpeg_start_compress(&info, TRUE);
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[] = {
            const_cast<JSAMPLE*>(rgb.constScanLine(static_cast<int>(info.next_scanline)))};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray data(reinterpret_cast<const char*>(buffer), static_cast<int>(size));
    std::free(buffer);
    return data;
}

// Smooth colours, which JPEG keeps within a few levels.
QImage Gradient(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x * 6, y * 10, (x + y) * 3));
    return image;
}

QByteArray EncodedJpeg(QSize size, bool progressive = false)
{
    return CompressedJpeg(Gradient(size), [&](jpeg_compress_struct& info) {
        if (progressive)
            jpeg_simple_progression(&info);
    });
}

QString JpegFailure(const QByteArray& data)
{
    TJPEGImage image;
    const QString message = MessageOf<EInvalidGraphic>([&] { image.LoadFromData(data); });
    EXPECT_TRUE(message == "no error" || image.Width() == 0)
        << "a failed load leaves the picture empty";
    return message;
}

TEST(Jpeg, DecodesToTheEncodedPixels)
{
    const QImage source = Gradient({37, 21});
    for (bool progressive : {false, true}) {
        TJPEGImage image;
        image.LoadFromData(EncodedJpeg(source.size(), progressive));
        ASSERT_EQ(image.Image().size(), source.size());
        EXPECT_EQ(image.Image().format(), QImage::Format_RGB32);
        for (const QPoint at : {QPoint(0, 0), QPoint(20, 10), QPoint(36, 20)}) {
            const QRgb decoded = image.Image().pixel(at);
            const QRgb encoded = source.pixel(at);
            EXPECT_NEAR(qRed(decoded), qRed(encoded), 4) << at.x() << "," << at.y();
            EXPECT_NEAR(qGreen(decoded), qGreen(encoded), 4) << at.x() << "," << at.y();
            EXPECT_NEAR(qBlue(decoded), qBlue(encoded), 4) << at.x() << "," << at.y();
        }
    }
}

TEST(Jpeg, DamagedDataIsAClearErrorAndNeverAGreyPicture)
{
    const QByteArray good = EncodedJpeg({64, 48});
    EXPECT_EQ(JpegFailure(good), "no error");
    QByteArray noStart = good;
    noStart[1] = 0;
    // Truncated, without its end marker or its start, empty, no JPEG at all.
    for (const QByteArray& bad :
         {good.left(good.size() / 2), good.left(good.size() - 2), noStart, QByteArray(),
          QByteArray("GIF89a not a jpeg at all"), FramePicture("BottomCenterImage.bmp")})
        EXPECT_TRUE(JpegFailure(bad).startsWith("JPEG error: ")) << bad.left(16).toHex().data();

    // Flipping bits in the entropy-coded data either still decodes or fails
    // cleanly.
    const int scanStart = good.indexOf("\xFF\xDA");
    ASSERT_GT(scanStart, 0);
    for (int i = scanStart + 20; i < good.size() - 2; i += 7) {
        QByteArray flipped = good;
        flipped[i] = static_cast<char>(flipped[i] ^ 0x5A);
        const QString result = JpegFailure(flipped);
        EXPECT_TRUE(result == "no error" || result.startsWith("JPEG error: ")) << i;
    }
}

TEST(Jpeg, OversizedHeadersAreRefusedBeforeAnyAllocation)
{
    const QByteArray good = EncodedJpeg({16, 16});
    // The baseline frame header's length field; at this quality no table before it holds 0xFF.
    const int frame = good.indexOf("\xFF\xC0") + 2;
    ASSERT_GT(frame, 2);
    // Length (2), precision (1), height (2), width (2).
    const auto withSize = [&](int width, int height) {
        QByteArray data = good;
        data[frame + 3] = static_cast<char>(height >> 8);
        data[frame + 4] = static_cast<char>(height & 0xFF);
        data[frame + 5] = static_cast<char>(width >> 8);
        data[frame + 6] = static_cast<char>(width & 0xFF);
        return data;
    };
    for (const QSize size :
         {QSize(16385, 8), QSize(8, 16385), QSize(16384, 4000), QSize(65000, 65000)})
        EXPECT_EQ(JpegFailure(withSize(size.width(), size.height())),
                  "JPEG error: the picture is too large");
    // Within the limits the size is fine, and the missing data is the error.
    EXPECT_TRUE(JpegFailure(withSize(16384, 3000)).startsWith("JPEG error: "));
    EXPECT_NE(JpegFailure(withSize(16384, 3000)), "JPEG error: the picture is too large");
}

// A legal progressive file with one scan per AC coefficient and bit of
// successive approximation: some two thousand scans.
QByteArray ManyScanJpeg()
{
    std::vector<jpeg_scan_info> script;
    for (int component = 0; component < 3; ++component)
        script.push_back({1, {component}, 0, 0, 0, 0});
    for (int component = 0; component < 3; ++component) {
        for (int k = 1; k < 64; ++k) {
            script.push_back({1, {component}, k, k, 0, 10});
            for (int bit = 10; bit > 0; --bit)
                script.push_back({1, {component}, k, k, bit, bit - 1});
        }
    }
    QImage grey(8, 8, QImage::Format_RGB32);
    grey.fill(qRgb(128, 128, 128));
    return CompressedJpeg(grey, [&](jpeg_compress_struct& info) {
        info.scan_info = script.data();
        info.num_scans = static_cast<int>(script.size());
    });
}

TEST(Jpeg, AProgressiveFileWithTooManyScansIsRefused)
{
    EXPECT_EQ(JpegFailure(ManyScanJpeg()), "JPEG error: more than 1000 scans");
}

TEST(Bitmap, LoadsBmpOnlyAndKeepsItsPictureOnFailure)
{
    TBitmap bitmap;
    bitmap.LoadFromData(FramePicture("BottomCenterImage.bmp"));
    EXPECT_EQ(bitmap.Width(), 1280);
    EXPECT_EQ(bitmap.Height(), 12);
    EXPECT_EQ(bitmap.Canvas().PixelAt(0, 0), 0xCFC8CFu);

    for (const QByteArray& bad : {EncodedJpeg({8, 8}), QByteArray("BM"), QByteArray()}) {
        const QString message = MessageOf<EInvalidGraphic>([&] { bitmap.LoadFromData(bad); });
        EXPECT_TRUE(message.startsWith("Bitmap image is not valid")) << message.toStdString();
        EXPECT_EQ(bitmap.Width(), 1280);
    }
}

TEST(Picture, MakesTheNamedGraphicClassAndCopiesOnAssign)
{
    TPicture picture;
    picture.LoadFromData("TJPEGImage", EncodedJpeg({5, 7}));
    ASSERT_NE(dynamic_cast<TJPEGImage*>(picture.Graphic()), nullptr);
    TPicture copy;
    copy.Assign(picture);
    ASSERT_NE(copy.Graphic(), picture.Graphic());
    EXPECT_EQ(copy.Graphic()->Width(), 5);
    EXPECT_EQ(copy.Graphic()->Height(), 7);
    picture.SetGraphic(nullptr);
    EXPECT_EQ(copy.Graphic()->Width(), 5);
    copy.Assign(picture);
    EXPECT_EQ(copy.Graphic(), nullptr);

    EXPECT_EQ(MessageOf<EInvalidGraphic>([&] {
                  picture.LoadFromData("TPngImage", EncodedJpeg({5, 7}));
              }),
              "Unknown picture class TPngImage");
}

class PictureProperties : public ApplicationFixture {
protected:
    // Reads a form whose one image has the given picture property.
    QString ReadFailure(const QString& graphic, const QString& file)
    {
        TForm form(nullptr);
        const QString description =
            QStringLiteral("<form><control class=\"TImage\" name=\"Glyph\">"
                           "<property name=\"Picture\" graphic=\"%1\" value=\"%2\"/>"
                           "</control></form>")
                .arg(graphic, file);
        return MessageOf<EReadError>([&] { TDescriptionReader(form).Read(description.toUtf8()); });
    }
};

TEST_F(PictureProperties, NameTheControlAndTheCause)
{
    EXPECT_EQ(ReadFailure("TJPEGImage", "frame/MinImage.jpg"), "no error");
    EXPECT_EQ(ReadFailure("TJPEGImage", "frame/Missing.jpg"),
              "Error reading Glyph.Picture: picture frame/Missing.jpg not found");
    EXPECT_EQ(ReadFailure("TGifImage", "frame/MinImage.jpg"),
              "Error reading Glyph.Picture: Unknown picture class TGifImage");
    EXPECT_TRUE(ReadFailure("TJPEGImage", "frame/GetFTopCenterImage.bmp")
                    .startsWith("Error reading Glyph.Picture: JPEG error: "));
    EXPECT_TRUE(ReadFailure("TBitmap", "frame/MinImage.jpg")
                    .startsWith("Error reading Glyph.Picture: Bitmap image is not valid"));
}

} // namespace
