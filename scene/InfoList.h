#pragma once
// The info list (ListBox): a 2-pixel sunken edge and text rows exactly 13 pixels high in the
// user-interface font, so that a stored height of 60 + 195 x n twips shows n whole rows.
// It scrolls vertically when it holds more lines than it shows.

#include "scene/Scene.h"

#include <QListWidget>

namespace fg {

class InfoList : public QListWidget {
    Q_OBJECT

public:
    static constexpr int kRowHeight = 13;

    InfoList(const SceneRecord& record, QWidget* parent);
};

} // namespace fg
