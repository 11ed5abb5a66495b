#include "scene/HandlerFrame.h"

namespace fg {

void Frame::setVisible(const QString& control, bool visible) {
    ControlRef slot = self_->control(control);
    checkStatus(slot.setVisible(visible), slot.interfaceName(), QStringLiteral("Visible"));
}

void Frame::clear(const QString& list) {
    ControlRef slot = self_->control(list);
    checkStatus(slot.clear(), slot.interfaceName(), QStringLiteral("Clear"));
}

void Frame::addItem(const QString& list, const QString& text) {
    ControlRef slot = self_->control(list);
    checkStatus(slot.addItem(text), slot.interfaceName(), QStringLiteral("AddItem"));
}

void Frame::call(Status (*method)(FormInstance&), const QString& methodName) {
    checkStatus(method(*self_), self_->windowClass().name, methodName);
}

void Frame::showModal(FormInstance& window) {
    checkStatus(window.show(1), window.windowClass().name, QStringLiteral("Show"));
}

} // namespace fg
