#pragma once
// A portrait (PictureBox): an opaque box with a flat or 3D border, its client area filled
// with BackColor and its picture drawn at its own size from the top-left, cut off at the
// client area's edges. Controls nested in it are its children, clipped to its client area.

#include "pictures/PictureCache.h"
#include "scene/Scene.h"

#include <QWidget>

namespace fg {

class FormWindow;

class PortraitBox : public QWidget {
    Q_OBJECT

public:
    PortraitBox(FormWindow& window, const SceneRecord& record, pictures::SharedImage picture,
                QWidget* parent);

    const SceneRecord& record() const { return record_; }
    QRect clientArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    FormWindow& window_;
    const SceneRecord& record_;
    pictures::SharedImage picture_;
    bool pressed_ = false;
};

} // namespace fg
