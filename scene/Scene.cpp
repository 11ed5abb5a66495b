#include "scene/Scene.h"

namespace fg {

QString interfaceName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Portrait:
        return QStringLiteral("PictureBox");
    case ControlKind::InfoList:
        return QStringLiteral("ListBox");
    case ControlKind::Line:
        return QStringLiteral("Line");
    case ControlKind::Window:
        break;
    }
    return QStringLiteral("Form");
}

SceneRecord defaultRecord(ControlKind kind) {
    SceneRecord record;
    record.kind = kind;
    switch (kind) {
    case ControlKind::Window:
    case ControlKind::Portrait:
        record.backColor = colour::kButtonFace;
        record.foreColor = colour::kButtonText;
        break;
    case ControlKind::InfoList:
        record.backColor = colour::kWindowBackground;
        record.foreColor = colour::kWindowText;
        break;
    case ControlKind::Line:
        record.borderColor = colour::kWindowText;
        break;
    }
    return record;
}

const SceneRecord* Scene::find(QStringView name) const {
    for (const auto& control : controls)
        if (control.name == name)
            return &control;
    return nullptr;
}

} // namespace fg
