#include "forms/TJPEGImage.h"

#include "forms/Exceptions.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

namespace {

// Everything one decoding needs, in plain C structures: the function that
// calls setjmp keeps no C++ object with a destructor alive, since longjmp
// would skip it.
struct TJpegDecoding {
    jpeg_decompress_struct Info;
    jpeg_error_mgr Errors;
    jpeg_progress_mgr Progress;
    std::jmp_buf Escape;
    char Message[JMSG_LENGTH_MAX];
    // Where the pixels go, once the size is known and checked.
    QImage* Target;
};

TJpegDecoding& DecodingOf(j_common_ptr info)
{
    return *reinterpret_cast<TJpegDecoding*>(reinterpret_cast<char*>(info) -
                                             offsetof(TJpegDecoding, Info));
}

[[noreturn]] void Fail(TJpegDecoding& decoding, const char* message)
{
    std::snprintf(decoding.Message, sizeof decoding.Message, "%s", message);
    std::longjmp(decoding.Escape, 1);
}

[[noreturn]] void ErrorExit(j_common_ptr info)
{
    TJpegDecoding& decoding = DecodingOf(info);
    info->err->format_message(info, decoding.Message);
    std::longjmp(decoding.Escape, 1);
}

// Warnings mean damaged data that libjpeg would paper over with grey.
void EmitMessage(j_common_ptr info, int level)
{
    if (level < 0)
        ErrorExit(info);
}

void CheckScanCount(j_common_ptr info)
{
    TJpegDecoding& decoding = DecodingOf(info);
    if (decoding.Info.input_scan_number > TJPEGImage::MaxScans)
        Fail(decoding, "more than 1000 scans");
}

void CheckSize(TJpegDecoding& decoding)
{
    const long long width = decoding.Info.image_width;
    const long long height = decoding.Info.image_height;
    if (width > TJPEGImage::MaxSide || height > TJPEGImage::MaxSide ||
        width * height > TJPEGImage::MaxPixels)
        Fail(decoding, "the picture is too large");
}

// The image's pixels at the size given, or null when they cannot be had.
uchar* AllocateImage(QImage& image, int width, int height, int* bytesPerLine)
{
    image = QImage(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return nullptr;
    *bytesPerLine = static_cast<int>(image.bytesPerLine());
    return image.bits();
}

// Decodes into 32-bit pixels; false with decoding.Message set on failure.
bool Decode(TJpegDecoding& decoding, const unsigned char* data, unsigned long size)
{
    jpeg_decompress_struct& info = decoding.Info;
    info.err = jpeg_std_error(&decoding.Errors);
    decoding.Errors.error_exit = ErrorExit;
    decoding.Errors.emit_message = EmitMessage;
    decoding.Progress.progress_monitor = CheckScanCount;
    if (setjmp(decoding.Escape)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    info.progress = &decoding.Progress;
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    CheckSize(decoding);
    info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    int bytesPerLine = 0;
    uchar* pixels = AllocateImage(*decoding.Target, static_cast<int>(info.output_width),
                                  static_cast<int>(info.output_height), &bytesPerLine);
    if (!pixels)
        Fail(decoding, "out of memory");
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels + static_cast<std::size_t>(info.output_scanline) * bytesPerLine;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

std::unique_ptr<TGraphic> TJPEGImage::Clone() const
{
    auto copy = std::make_unique<TJPEGImage>();
    copy->FImage = FImage;
    return copy;
}

void TJPEGImage::LoadFromData(const QByteArray& data)
{
    QImage decoded;
    TJpegDecoding decoding;
    std::memset(&decoding, 0, sizeof decoding);
    decoding.Target = &decoded;
    if (!Decode(decoding, reinterpret_cast<const unsigned char*>(data.constData()),
                static_cast<unsigned long>(data.size())))
        throw EInvalidGraphic(
            QStringLiteral("JPEG error: %1").arg(QString::fromLocal8Bit(decoding.Message)));
    FImage = decoded;
    Changed();
}
