#include "pictures/PictureCache.h"

#include "pictures/PictureRecord.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QImageReader>
#include <QPixmap>

namespace fg::pictures {
namespace {

QImage decodeFile(QByteArrayView file) {
    const auto format = formatOf(file);
    if (!format)
        throw PictureError("the image file is neither JPEG, GIF nor an icon");
    const char* name = *format == ImageFormat::Jpeg  ? "jpeg"
                       : *format == ImageFormat::Gif ? "gif"
                                                     : "ico";
    QByteArray bytes = file.toByteArray();
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        throw PictureError("the image file cannot be read");
    QImageReader reader(&buffer, name);
    reader.setDecideFormatFromContent(false);
    QImage image = reader.read();
    if (image.isNull())
        throw PictureError("the " + std::string(name) +
                           " file fails to decode: " + reader.errorString().toStdString());
    // Photographs are opaque and drawn often: keep them in the screen's own format.
    if (*format != ImageFormat::Icon)
        image = std::move(image).convertToFormat(QImage::Format_RGB32);
    return image;
}

} // namespace

PictureCache& PictureCache::instance() {
    static PictureCache cache;
    return cache;
}

SharedImage PictureCache::decode(QByteArrayView record) {
    const QByteArrayView file = imageFileOf(record);
    const QByteArray key = QCryptographicHash::hash(file, QCryptographicHash::Sha256);
    if (auto held = images_.value(key).lock())
        return held;
    auto image = std::make_shared<const QImage>(decodeFile(file));
    ++decodes_;
    images_.insert(key, image);
    return image;
}

QIcon PictureCache::icon(QByteArrayView record) {
    const SharedImage image = decode(record);
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(*image));
    // The icons are drawn for 32 x 32 pixels: other sizes scale by whole pixels, not smoothly.
    for (const int size : {16, 24, 48, 64, 96, 128})
        icon.addPixmap(QPixmap::fromImage(
            image->scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    return icon;
}

} // namespace fg::pictures
