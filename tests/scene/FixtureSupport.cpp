#include "tests/scene/FixtureSupport.h"

#include "pictures/PictureRecord.h"
#include "scene/Colour.h"
#include "scene/StoredForm.h"

#include <QApplication>
#include <QBuffer>
#include <QImageWriter>
#include <cstdlib>
#include <stdexcept>

namespace fg::test {
namespace {

QByteArray write(const QImage& image, const char* format, int quality, bool progressive) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    writer.setProgressiveScanWrite(progressive);
    if (!writer.write(image))
        throw std::runtime_error("cannot write a test image: " +
                                 writer.errorString().toStdString());
    return bytes;
}

} // namespace

QByteArray jpegFile(const QImage& image, bool progressive) {
    return write(image.convertToFormat(QImage::Format_RGB32), "jpeg", 100, progressive);
}

QByteArray iconFile(const QImage& image) {
    return write(image, "ico", -1, false);
}

QImage markedPicture(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kPictureGrey);
    for (int y = 0; y < size.height(); ++y)
        image.setPixelColor(size.width() - 1, y, kPictureEdge);
    for (int x = 0; x < size.width(); ++x)
        image.setPixelColor(x, size.height() - 1, kPictureEdge);
    return image;
}

QByteArray markedPictureRecord(QSize size, bool progressive) {
    return pictures::makePictureRecord(jpegFile(markedPicture(size), progressive));
}

QByteArray iconRecord(const QColor& colour) {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(colour);
    return pictures::makePictureRecord(iconFile(image));
}

QByteArray storeScene(const SceneSource& source, const QHash<QString, QByteArray>& pictures) {
    return encodeScene(source, [&](std::string_view, std::string_view use) {
        return pictures.value(QString::fromUtf8(use.data(), qsizetype(use.size())));
    });
}

DistinctColourScheme::DistinctColourScheme() : previous_(QApplication::palette()) {
    // clang-format off
    const struct { QPalette::ColorRole role; QColor colour; } roles[] = {
        {QPalette::Window,          QColor(0x80, 0x00, 0xff)},
        {QPalette::WindowText,      QColor(0x40, 0x00, 0x40)},
        {QPalette::Base,            QColor(0x00, 0xaa, 0xff)},
        {QPalette::AlternateBase,   QColor(0x00, 0xaa, 0xff)},
        {QPalette::Text,            QColor(0x00, 0x00, 0x80)},
        {QPalette::Button,          QColor(0xff, 0x80, 0x00)},
        {QPalette::ButtonText,      QColor(0x00, 0x80, 0x00)},
        {QPalette::Light,           QColor(0xc0, 0xff, 0x40)},
        {QPalette::Midlight,        QColor(0xff, 0x00, 0xff)},
        {QPalette::Mid,             QColor(0x80, 0x40, 0x00)},
        {QPalette::Dark,            QColor(0x00, 0x60, 0x00)},
        {QPalette::Shadow,          QColor(0x60, 0x00, 0x30)},
        {QPalette::Highlight,       QColor(0xc0, 0x00, 0x60)},
        {QPalette::HighlightedText, QColor(0x00, 0xff, 0x80)},
    };
    // clang-format on
    QPalette palette;
    for (const auto& [role, colour] : roles)
        palette.setColor(role, colour); // all colour groups
    QApplication::setPalette(palette);
}

DistinctColourScheme::~DistinctColourScheme() {
    QApplication::setPalette(previous_);
}

QColor shown(ColourValue value) {
    return toQColor(value, QApplication::palette());
}

std::string name(const QColor& colour) {
    return colour.name().toStdString();
}

std::string colourAt(const QImage& image, int x, int y) {
    if (!image.valid(x, y))
        return "outside";
    return name(QColor(image.pixel(x, y)));
}

bool near(const QImage& image, int x, int y, const QColor& colour, int tolerance) {
    if (!image.valid(x, y))
        return false;
    const QColor pixel(image.pixel(x, y));
    return std::abs(pixel.red() - colour.red()) <= tolerance &&
           std::abs(pixel.green() - colour.green()) <= tolerance &&
           std::abs(pixel.blue() - colour.blue()) <= tolerance;
}

} // namespace fg::test
