#pragma once
// The tests' own window: a small scene with two portraits (one holding a nested portrait and
// a nested line), lines of every kind the drawing rules speak of, and an info list; and a
// window class whose event table records every event it is given.
//
// Layout in pixels (twips / 15), window client area 240 x 180:
//   Picture1  flat, outer (20, 20) 53 x 60, a 40 x 45 picture; TabIndex 2
//     Picture3  3D, in Picture1's client area at (30, 40), 30 x 30, overrunning its edges; TabIndex
//     1 Line7     in Picture1's client area, x 5, y 30 down to 70, white
//   Picture2  3D, outer (120, 20) 53 x 60, no picture; TabIndex 0
//   List1     (20, 100) 100 x 43 (three rows), stored hidden; TabIndex 3
//   Line1     a 15 x 15-twip dot at (150, 150), red
//   Line2     on the left edge, x 0, y 140 up to 100, the default colour
//   Line3     y 50, x 100 to 200, running under Picture2, green
//   Line4     y 150, x 90 to 60 (drawn right to left), blue
//   Line5     y 160, x 60 to 90, blue
//   Line6     the diagonal from (200, 100) to (205, 102), yellow
//   Line8     y 170, x 200 to 220, stored hidden, red

#include "scene/FormsRuntime.h"
#include "scene/SceneSource.h"

#include <QByteArray>
#include <QHash>
#include <QStringList>
#include <vector>

namespace fg::test::fixture {

inline const QString kName = QStringLiteral("Fixture");
inline constexpr ColourValue kWindowBack = 0xA0C0E0; // shows as #e0c0a0
inline constexpr ColourValue kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000;
inline constexpr ColourValue kYellow = 0x00FFFF, kWhite = 0xFFFFFF;

// The authored tables, as copies that a test may change before storing them.
struct Tables {
    WindowSource window;
    std::vector<PortraitSource> portraits;
    ListSource list;
    std::vector<LineSource> lines;

    SceneSource source() const { return {window, portraits, list, lines}; }
};
Tables tables();

// The picture records by use: "Icon" and Picture1's 40 x 45 picture.
QHash<QString, QByteArray> pictures();

// The stored form of the fixture as authored.
const QByteArray& stored();

// The events that the recording handlers were given, by handler name ("Picture1_Click").
struct EventLog {
    QStringList raised;
    QStringList clicks() const; // without the MouseMove events
};

// A window class over `storedScene` whose every event slot of the window and of the three
// portraits records into `log`; the bindings in `first` come before the recording ones and
// so take their slots.
FormClass windowClass(const QString& name, QByteArrayView storedScene, EventLog& log,
                      std::vector<EventBinding> first = {});

} // namespace fg::test::fixture
