#pragma once
// What the scene and picture tests share: image files made in memory, the stored form of a
// test's own scene, a colour scheme in which every colour tells itself apart, and readable
// pixel probes.

#include "scene/SceneSource.h"

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QImage>
#include <QPalette>
#include <QString>
#include <QStringList>
#include <ostream>
#include <string>

// gtest prints Qt strings as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace fg::test {

// Image files as the program stores them, made from images in memory.
QByteArray jpegFile(const QImage& image, bool progressive = false);
QByteArray iconFile(const QImage& image);

// A grey picture whose last column and last row are light: where the light edge shows, or
// does not, tells whether a picture was drawn at its own size, cut off or scaled. Grey
// differs from every colour of the scheme below, and the JPEG coder keeps grey levels.
inline const QColor kPictureGrey(64, 64, 64);
inline const QColor kPictureEdge(200, 200, 200);
QImage markedPicture(QSize size);
QByteArray markedPictureRecord(QSize size, bool progressive = false);
QByteArray iconRecord(const QColor& colour);

// The stored form of a scene. `pictures` holds picture records by use: "Picture" and "Icon"
// for the window, a portrait's name for its picture.
QByteArray storeScene(const SceneSource& source, const QHash<QString, QByteArray>& pictures);

// For the length of a test: a colour scheme in which every system colour is a distinct,
// saturated colour, so that a probe tells border, BackColor, text and picture apart.
class DistinctColourScheme {
public:
    DistinctColourScheme();
    ~DistinctColourScheme();
    DistinctColourScheme(const DistinctColourScheme&) = delete;
    DistinctColourScheme& operator=(const DistinctColourScheme&) = delete;

private:
    QPalette previous_;
};

// The screen colour of a stored colour value, in the application's colour scheme.
QColor shown(ColourValue value);

// A pixel as "#rrggbb", for comparisons that print well.
std::string colourAt(const QImage& image, int x, int y);
std::string name(const QColor& colour);

// Whether a pixel is within `tolerance` of a colour in every channel (decoded JPEG pixels).
bool near(const QImage& image, int x, int y, const QColor& colour, int tolerance = 12);

} // namespace fg::test
