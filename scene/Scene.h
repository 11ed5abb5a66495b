#pragma once
// A scene as the program holds it after decoding its stored form: the window and its
// controls in control order, every property set, absent ones at their kind's default.

#include "scene/SceneSource.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace fg {

enum class ControlKind : std::uint8_t { Window = 13, Portrait = 0, InfoList = 8, Line = 23 };

QString interfaceName(ControlKind kind); // "PictureBox", "Line", "ListBox"; "Form" for a window

// One record of a scene: the window or a control. The fields that a kind does not have keep
// their defaults.
struct SceneRecord {
    int index = 0; // place in the control order, the window being 0
    QString name;
    ControlKind kind = ControlKind::Window;
    int container = 0; // index of the containing record: 0 the window, else a portrait

    // Window
    QString caption;
    QByteArray icon; // picture record
    BorderStyle borderStyle = BorderStyle::Sizable;
    bool minButton = true, maxButton = true, showInTaskbar = true;
    Twips clientLeft = 0, clientTop = 0, clientWidth = 0, clientHeight = 0;

    // Window, portrait, list
    ColourValue backColor = colour::kButtonFace;
    QByteArray picture; // picture record, empty: no picture

    // Portrait, list
    Twips left = 0, top = 0, width = 0, height = 0;
    ColourValue foreColor = colour::kButtonText;
    bool threeD = true; // appearance: 3D sunken edge, else flat
    bool visible = true;
    int tabIndex = -1;

    // Line
    Twips x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    ColourValue borderColor = colour::kWindowText;

    // Stored settings without an effect of their own, carried as stored.
    std::optional<ColourValue> extraColour;
    std::optional<std::uint8_t> extraFlag;
    std::optional<std::uint32_t> fixedValue;
    std::optional<std::uint32_t> listSettings;
};

// The defaults of each kind, the values that a record does not store.
SceneRecord defaultRecord(ControlKind kind);

struct Scene {
    SceneRecord window;
    std::vector<SceneRecord> controls; // in control order; controls[i].index == i + 1

    const SceneRecord* find(QStringView name) const;
};

} // namespace fg
