#include "scene/FormWindow.h"

#include "pictures/PictureRecord.h"
#include "scene/Colour.h"
#include "scene/FormsRuntime.h"
#include "scene/InfoList.h"
#include "scene/LineDrawing.h"
#include "scene/PortraitBox.h"
#include "scene/Twips.h"
#include "scene/WindowFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>

namespace fg {
namespace {

// Decodes one stored picture, if there is one. A picture that fails is reported once, naming
// its owner and the reason, and left out, so that its box or window shows its BackColor.
template <typename Decode>
auto decodeReported(FormsRuntime& runtime, const QByteArray& record, const QString& owner,
                    const QString& property, Decode decode) -> decltype(decode(record)) {
    if (record.isEmpty())
        return {};
    try {
        return decode(record);
    } catch (const pictures::PictureError& error) {
        runtime.report({owner, property, QString::fromStdString(error.what())});
        return {};
    }
}

} // namespace

FormWindow::FormWindow(FormInstance& instance, Scene scene)
    : instance_(instance), scene_(std::move(scene)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    applyFrame();
    build();
}

FormWindow::~FormWindow() = default;

void FormWindow::applyFrame() {
    const SceneRecord& w = scene_.window;
    setWindowTitle(w.caption);
    const QRect client(toPixels(w.clientLeft), toPixels(w.clientTop), toPixels(w.clientWidth),
                       toPixels(w.clientHeight));
    applyWindowFrame(*this, w.borderStyle, w.showInTaskbar, client);
    auto& cache = pictures::PictureCache::instance();
    setWindowIcon(decodeReported(instance_.runtime(), w.icon, w.name, QStringLiteral("Icon"),
                                 [&](const QByteArray& r) { return cache.icon(r); }));
    background_ = decodeReported(instance_.runtime(), w.picture, w.name, QStringLiteral("Picture"),
                                 [&](const QByteArray& r) { return cache.decode(r); });
}

void FormWindow::build() {
    controls_.resize(scene_.controls.size());
    QWidget* previousInTabOrder = nullptr;
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const SceneRecord& record : scene_.controls) {
        LoadedControl& loaded = controls_[std::size_t(record.index - 1)];
        loaded.record = &record;
        loaded.visible = record.visible;
        if (record.kind == ControlKind::Line)
            continue;

        // A nested control stands in its portrait's client area.
        QWidget* parent = this;
        QPoint origin;
        if (record.container != 0) {
            auto* holder =
                static_cast<PortraitBox*>(controls_[std::size_t(record.container - 1)].widget);
            parent = holder;
            origin = holder->clientArea().topLeft();
        }
        QWidget* widget = nullptr;
        if (record.kind == ControlKind::Portrait) {
            pictures::SharedImage picture = decodeReported(
                instance_.runtime(), record.picture,
                scene_.window.name + QLatin1Char('.') + record.name, QStringLiteral("Picture"),
                [](const QByteArray& r) { return pictures::PictureCache::instance().decode(r); });
            widget = new PortraitBox(*this, record, std::move(picture), parent);
        } else {
            widget = new InfoList(record, parent);
        }
        widget->move(origin + QPoint(toPixels(record.left), toPixels(record.top)));
        if (record.container != 0) {
            // A nested control is cut at its portrait's client area, for drawing and for the
            // mouse; where none of it lies inside, a mask wholly outside it shows nothing.
            const QRect inside =
                widget->geometry().intersected(static_cast<PortraitBox*>(parent)->clientArea());
            widget->setMask(inside.isEmpty() ? QRegion(-1, -1, 1, 1)
                                             : QRegion(inside.translated(-widget->pos())));
        }
        widget->setVisible(record.visible);
        loaded.widget = widget;
        tabOrder.emplace_back(record.tabIndex, widget);
    }
    // Keyboard focus moves through the windowed controls in TabIndex order.
    std::ranges::sort(tabOrder, {}, &std::pair<int, QWidget*>::first);
    for (const auto& [tabIndex, widget] : tabOrder) {
        if (previousInTabOrder)
            setTabOrder(previousInTabOrder, widget);
        previousInTabOrder = widget;
    }
}

void FormWindow::setControlVisible(const SceneRecord& record, bool visible) {
    LoadedControl& loaded = controls_[std::size_t(record.index - 1)];
    if (loaded.widget) {
        loaded.widget->setVisible(visible);
        return;
    }
    if (loaded.visible == visible)
        return;
    loaded.visible = visible;
    if (record.container == 0)
        update();
    else
        controls_[std::size_t(record.container - 1)].widget->update();
}

bool FormWindow::isControlVisible(const QString& name) const {
    const SceneRecord* r = record(name);
    if (!r)
        return false;
    const LoadedControl& loaded = controls_[std::size_t(r->index - 1)];
    return loaded.widget ? loaded.widget->isVisibleTo(this) && !loaded.widget->isHidden()
                         : loaded.visible;
}

InfoList* FormWindow::infoList(const SceneRecord& record) const {
    return qobject_cast<InfoList*>(controls_[std::size_t(record.index - 1)].widget);
}

QWidget* FormWindow::widgetOf(const QString& name) const {
    const SceneRecord* r = record(name);
    return r ? controls_[std::size_t(r->index - 1)].widget : nullptr;
}

void FormWindow::paintLines(QPainter& painter, int container) const {
    for (const LoadedControl& loaded : controls_) {
        const SceneRecord& r = *loaded.record;
        if (r.kind != ControlKind::Line || r.container != container || !loaded.visible)
            continue;
        drawConnectorLine(painter, QPoint(toPixels(r.x1), toPixels(r.y1)),
                          QPoint(toPixels(r.x2), toPixels(r.y2)),
                          toQColor(r.borderColor, palette()));
    }
}

void FormWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setClipRegion(event->region());
    // Back layer: BackColor, then the background picture at its own size from the top-left.
    painter.fillRect(rect(), toQColor(scene_.window.backColor, palette()));
    if (background_)
        painter.drawImage(QPoint(0, 0), *background_);
    // Middle layer: the visible lines. The portraits and the list are child widgets in front.
    paintLines(painter, 0);
}

bool FormWindow::overBareClientArea(const QPoint& position) const {
    // Lines and hidden controls are no widgets that childAt finds.
    return rect().contains(position) && childAt(position) == nullptr;
}

void FormWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton)
        pressed_ = overBareClientArea(event->position().toPoint());
}

void FormWindow::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    if (std::exchange(pressed_, false) && overBareClientArea(event->position().toPoint()))
        instance_.raise(QStringLiteral("Form"), Event::Click);
}

void FormWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    // The window raises no DblClick; the second press of a double-click is no new click.
    event->accept();
    pressed_ = false;
}

void FormWindow::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (overBareClientArea(event->position().toPoint()))
        instance_.raise(QStringLiteral("Form"), Event::MouseMove);
}

void FormWindow::portraitEvent(const SceneRecord& record, Event event) {
    instance_.raise(record.name, event);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // A window that a modal window blocks cannot be closed.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != this) {
        event->ignore();
        return;
    }
    event->accept();
    instance_.windowClosed();
}

} // namespace fg
