#include "scene/PortraitBox.h"

#include "pictures/Fitting.h"
#include "scene/Colour.h"
#include "scene/FormWindow.h"
#include "scene/Twips.h"

#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace fg {

PortraitBox::PortraitBox(FormWindow& window, const SceneRecord& record,
                         pictures::SharedImage picture, QWidget* parent)
    : QWidget(parent), window_(window), record_(record), picture_(std::move(picture)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
    resize(toPixels(record.width), toPixels(record.height));
}

QRect PortraitBox::clientArea() const {
    return pictures::clientArea(size(), record_.threeD);
}

void PortraitBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& palette = this->palette();
    if (record_.threeD) {
        qDrawWinPanel(&painter, rect(), palette, /*sunken=*/true);
    } else {
        painter.setPen(toQColor(colour::kWindowFrame, palette));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    const QRect client = clientArea();
    painter.fillRect(client, toQColor(record_.backColor, palette));
    painter.setClipRect(client);
    if (picture_)
        painter.drawImage(client.topLeft(), *picture_);
    painter.translate(client.topLeft());
    window_.paintLines(painter, record_.index);
}

void PortraitBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
    event->accept();
}

void PortraitBox::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    // A click is a press and a release on the same portrait.
    if (std::exchange(pressed_, false) && rect().contains(event->position().toPoint()))
        window_.portraitEvent(record_, Event::Click);
}

void PortraitBox::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    // The second press of a double-click: DblClick, and its release makes no further Click.
    pressed_ = false;
    window_.portraitEvent(record_, Event::DblClick);
}

void PortraitBox::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    window_.portraitEvent(record_, Event::MouseMove);
}

} // namespace fg
