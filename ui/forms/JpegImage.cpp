#include "JpegImage.h"

#include <QByteArray>
#include <QFile>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace kvr {

namespace {

// libjpeg's default error handler exits the process; this one jumps back to LoadJpeg.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf resume;
};

[[noreturn]] void OnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->resume, 1);
}

void OnMessage(j_common_ptr) {}

// Everything that must survive the longjmp lives outside Decode's frame.
struct Decoding {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    QImage image;
};

bool Decode(Decoding &d, const QByteArray &bytes) {
    d.info.err = jpeg_std_error(&d.errors.base);
    d.errors.base.error_exit = OnError;
    d.errors.base.output_message = OnMessage;
    if (setjmp(d.errors.resume))
        return false;
    jpeg_create_decompress(&d.info);
    jpeg_mem_src(&d.info, reinterpret_cast<const unsigned char *>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&d.info, TRUE);
    d.info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d.info);
    if (d.info.output_components != 3)
        return false;
    d.image = QImage(static_cast<int>(d.info.output_width), static_cast<int>(d.info.output_height),
                     QImage::Format_RGB888);
    if (d.image.isNull())
        return false;
    while (d.info.output_scanline < d.info.output_height) {
        JSAMPROW row = d.image.scanLine(static_cast<int>(d.info.output_scanline));
        jpeg_read_scanlines(&d.info, &row, 1);
    }
    jpeg_finish_decompress(&d.info);
    return true;
}

} // namespace

QImage LoadJpeg(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty())
        return QImage();
    Decoding decoding;
    const bool decoded = Decode(decoding, bytes);
    jpeg_destroy_decompress(&decoding.info);
    return decoded ? decoding.image : QImage();
}

} // namespace kvr
