#include "pictures/PictureRecord.h"

#include <QtEndian>
#include <string>

namespace fg::pictures {
namespace {

constexpr char kSignature[4] = {0x6C, 0x74, 0x00, 0x00};
constexpr qsizetype kHeaderSize = 12;

} // namespace

QByteArray makePictureRecord(QByteArrayView imageFile) {
    const auto m = quint32(imageFile.size());
    QByteArray record(kHeaderSize, Qt::Uninitialized);
    qToLittleEndian<quint32>(m + 8, record.data());
    std::copy(std::begin(kSignature), std::end(kSignature), record.data() + 4);
    qToLittleEndian<quint32>(m, record.data() + 8);
    record.append(imageFile.data(), imageFile.size());
    return record;
}

QByteArrayView imageFileOf(QByteArrayView record) {
    if (record.size() < kHeaderSize)
        throw PictureError("the picture record is shorter than its 12-byte header");
    const auto n = qFromLittleEndian<quint32>(record.data());
    const auto m = qFromLittleEndian<quint32>(record.data() + 8);
    if (QByteArrayView(record.data() + 4, 4) != QByteArrayView(kSignature, 4))
        throw PictureError("the picture record has a wrong signature");
    if (quint64(n) != quint64(m) + 8)
        throw PictureError("the picture record's length " + std::to_string(n) +
                           " is not m + 8 for m = " + std::to_string(m));
    if (quint64(m) > quint64(record.size() - kHeaderSize))
        throw PictureError("the image file of " + std::to_string(m) +
                           " bytes runs past the end of the record");
    return QByteArrayView(record.data() + kHeaderSize, qsizetype(m));
}

std::optional<ImageFormat> formatOf(QByteArrayView file) {
    if (file.startsWith(QByteArrayView("\xFF\xD8", 2)))
        return ImageFormat::Jpeg;
    if (file.startsWith("GIF89a"))
        return ImageFormat::Gif;
    if (file.startsWith(QByteArrayView("\x00\x00\x01\x00", 4)))
        return ImageFormat::Icon;
    return std::nullopt;
}

} // namespace fg::pictures
