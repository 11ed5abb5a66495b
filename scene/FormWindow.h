#pragma once
// A loaded window: the widget built from a scene. It draws the back layer (BackColor and
// the background picture) and the middle layer (the visible lines); its portraits and info
// list are child widgets in front. Mouse events over lines, hidden controls or the bare
// client area belong to the window.

#include "pictures/PictureCache.h"
#include "scene/FormsRuntime.h"
#include "scene/Scene.h"

#include <QWidget>
#include <vector>

namespace fg {

class FormInstance;
class InfoList;
class PortraitBox;

// Where a control of a loaded window lives.
struct LoadedControl {
    const SceneRecord* record = nullptr;
    QWidget* widget = nullptr; // portraits and the info list
    bool visible = true;       // lines; widgets keep their own flag
};

class FormWindow : public QWidget {
    Q_OBJECT

public:
    FormWindow(FormInstance& instance, Scene scene);
    ~FormWindow() override;

    const Scene& scene() const { return scene_; }
    const SceneRecord* record(const QString& name) const { return scene_.find(name); }

    void setControlVisible(const SceneRecord& record, bool visible);
    bool isControlVisible(const QString& name) const;
    InfoList* infoList(const SceneRecord& record) const;
    QWidget* widgetOf(const QString& name) const;

    // Lines drawn inside the client area of the given container (0 the window itself).
    void paintLines(class QPainter& painter, int container) const;

    // Mouse events on a portrait of this window, delivered by the portrait.
    void portraitEvent(const SceneRecord& record, Event event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    void applyFrame();
    bool overBareClientArea(const QPoint& position) const;

    FormInstance& instance_;
    Scene scene_;
    std::vector<LoadedControl> controls_; // by control index - 1
    pictures::SharedImage background_;
    bool pressed_ = false;
};

} // namespace fg
