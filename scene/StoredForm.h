#pragma once
// The stored form of a scene, the bytes the program carries for each window.
//
// One tree of records in depth-first order: the window's record, then its controls in
// control order. Between records stand one-byte structure markers: 01 the first child of the
// previous record follows, 03 the next sibling follows, 02 the current list of children ends,
// 04 the window ends. A record is
//   size        u32, the bytes of the record after this field
//   index       u8, the place in the control order (the window 0)
//   name        u16 length, the characters, a terminating zero
//   kind        u8: 13 window, 0 portrait, 8 info list, 23 line
//   properties  a code byte and its value each (PropertyCodes.h), then the terminator 00
// Only properties that differ from the kind's default are stored. All integers are
// little-endian; texts are Latin-1.

#include "scene/Scene.h"
#include "scene/SceneSource.h"

#include <QByteArray>
#include <QByteArrayView>
#include <functional>
#include <stdexcept>
#include <string_view>

namespace fg {

// Gives the picture record a control shows, or an empty array for none. use is a portrait's
// name, or "Picture" and "Icon" for the window's background and icon.
using PictureLookup = std::function<QByteArray(std::string_view window, std::string_view use)>;

// Turns an authored scene into its stored form. Throws std::invalid_argument for a source
// that cannot be stored (a caption outside Latin-1, an unknown container, a value too wide).
QByteArray encodeScene(const SceneSource& source, const PictureLookup& pictures);

// A stored form that is not well formed: names the scene, the record and the byte offset.
class SceneFormatError : public std::runtime_error {
public:
    SceneFormatError(const QString& scene, int record, qsizetype offset, const QString& reason);
    const QString& reason() const { return reason_; }
    qsizetype offset() const { return offset_; }

private:
    QString reason_;
    qsizetype offset_;
};

// Decodes a stored form; never reads outside bytes. Throws SceneFormatError.
Scene decodeScene(QByteArrayView bytes, const QString& sceneName);

} // namespace fg
