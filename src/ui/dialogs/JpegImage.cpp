// JPEG decoding. libjpeg's default error handler ends the process, so a
// handler of our own jumps back out instead. longjmp must never skip a C++
// destructor: the two functions that call setjmp hold only plain data, and
// the QImage lives in the caller, outside every jump.
#include "ui/dialogs/JpegImage.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace kaldoventri {

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void LeaveOnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Warnings mean corrupt data that libjpeg would patch up with grey; the
// picture is refused instead. Trace messages (level > 0) are ignored.
void LeaveOnWarning(j_common_ptr info, int level) {
    if (level < 0) LeaveOnError(info);
}

struct Decoder {
    jpeg_decompress_struct info;
    ErrorManager error;
};

// Creates the decoder, reads the header and starts decompression to RGB. False on any error, after
// which the decoder has been destroyed.
bool Start(Decoder& d, const unsigned char* data, unsigned long size) {
    if (setjmp(d.error.jump)) {
        jpeg_destroy_decompress(&d.info);
        return false;
    }
    jpeg_create_decompress(&d.info);
    jpeg_mem_src(&d.info, data, size);
    jpeg_read_header(&d.info, TRUE);
    d.info.out_color_space = JCS_RGB;
    jpeg_calc_output_dimensions(&d.info);
    if (static_cast<qint64>(d.info.output_width) * d.info.output_height > MaxJpegPixels) {
        jpeg_destroy_decompress(&d.info);
        return false;
    }
    jpeg_start_decompress(&d.info);
    return true;
}

// Decodes every scanline into rows of bytesPerLine bytes at bits and
// destroys the decoder, whether it succeeds or not.
bool ReadLines(Decoder& d, unsigned char* bits, qsizetype bytesPerLine) {
    if (setjmp(d.error.jump)) {
        jpeg_destroy_decompress(&d.info);
        return false;
    }
    while (d.info.output_scanline < d.info.output_height) {
        JSAMPROW row = bits + static_cast<qsizetype>(d.info.output_scanline) * bytesPerLine;
        jpeg_read_scanlines(&d.info, &row, 1);
    }
    jpeg_finish_decompress(&d.info);
    jpeg_destroy_decompress(&d.info);
    return true;
}

}  // namespace

QImage DecodeJpeg(const QByteArray& bytes) {
    if (bytes.isEmpty()) return {};
    Decoder d{};
    d.info.err = jpeg_std_error(&d.error.base);
    d.error.base.error_exit = LeaveOnError;
    d.error.base.emit_message = LeaveOnWarning;

    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    if (!Start(d, data, static_cast<unsigned long>(bytes.size()))) return {};

    QImage image(static_cast<int>(d.info.output_width), static_cast<int>(d.info.output_height),
                 QImage::Format_RGB888);
    if (image.isNull() || d.info.output_components != 3) {
        jpeg_destroy_decompress(&d.info);
        return {};
    }
    if (!ReadLines(d, image.bits(), image.bytesPerLine())) return {};
    return image;
}

}  // namespace kaldoventri
