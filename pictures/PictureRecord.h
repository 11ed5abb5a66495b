#pragma once
// The stored form of a picture: a 12-byte header and a complete image file.
//   offset 0  u32 n, the length of the rest of the record, always m + 8
//   offset 4  the signature 6C 74 00 00
//   offset 8  u32 m, the length of the image file
//   offset 12 the image file, byte for byte
// All integers little-endian.

#include <QByteArray>
#include <QByteArrayView>
#include <optional>
#include <stdexcept>

namespace fg::pictures {

enum class ImageFormat { Jpeg, Gif, Icon };

class PictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

QByteArray makePictureRecord(QByteArrayView imageFile);

// The image file inside a record; throws PictureError for a record that is not well formed.
QByteArrayView imageFileOf(QByteArrayView record);

// The format told by the file's own leading bytes, never by a name.
std::optional<ImageFormat> formatOf(QByteArrayView imageFile);

} // namespace fg::pictures
