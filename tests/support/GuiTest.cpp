#include "tests/support/GuiTest.h"

#include "scene/FaultInjection.h"
#include "scene/InfoList.h"
#include "scene/Twips.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace fg::test {

static QWindow* handle(QWidget& window) {
    window.winId();
    return window.windowHandle();
}

void click(QWidget& window, QPoint position) {
    QTest::mouseClick(handle(window), Qt::LeftButton, Qt::NoModifier, position);
    processEvents();
}

void doubleClick(QWidget& window, QPoint position) {
    QTest::mouseDClick(handle(window), Qt::LeftButton, Qt::NoModifier, position);
    processEvents();
}

void press(QWidget& window, QPoint position) {
    QTest::mousePress(handle(window), Qt::LeftButton, Qt::NoModifier, position);
    processEvents();
}

void release(QWidget& window, QPoint position) {
    QTest::mouseRelease(handle(window), Qt::LeftButton, Qt::NoModifier, position);
    processEvents();
}

void moveTo(QWidget& window, QPoint position, Qt::MouseButtons buttons,
            Qt::KeyboardModifiers modifiers) {
    // As QTest::mouseMove, but with the given buttons and modifiers held.
    QWindow* w = handle(window);
    const QPointF local(position);
    QTest::lastMouseTimestamp += 1;
    qt_handleMouseEvent(w, local, w->mapToGlobal(local), buttons, Qt::NoButton, QEvent::MouseMove,
                        modifiers, QTest::lastMouseTimestamp);
    processEvents();
}

void processEvents() {
    QCoreApplication::processEvents();
}

QImage grab(QWidget& window) {
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QPoint centreOf(const FormWindow& window, const QString& control) {
    if (QWidget* widget = window.widgetOf(control))
        return widget->mapTo(&window, widget->rect().center());
    const SceneRecord* r = window.record(control);
    if (!r)
        return {};
    return {(toPixels(r->x1) + toPixels(r->x2)) / 2, (toPixels(r->y1) + toPixels(r->y2)) / 2};
}

QStringList visibleNames(const FormWindow& window, ControlKind kind) {
    QStringList names;
    for (const SceneRecord& r : window.scene().controls)
        if (r.kind == kind && window.isControlVisible(r.name))
            names << r.name;
    return names;
}

QStringList listLines(const FormWindow& window, const QString& list) {
    QStringList lines;
    const SceneRecord* r = window.record(list);
    if (InfoList* widget = r ? window.infoList(*r) : nullptr)
        for (int i = 0; i < widget->count(); ++i)
            lines << widget->item(i)->text();
    return lines;
}

void whenModalShows(std::function<void(QWidget& modal)> during) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout,
                     [timer, during = std::move(during), waited = 0]() mutable {
                         QWidget* modal = QApplication::activeModalWidget();
                         if (!modal || !modal->isVisible()) {
                             // A window shown without modality would leave its Show waiting for
                             // ever.
                             if ((waited += timer->interval()) < 3000)
                                 return;
                             timer->stop();
                             timer->deleteLater();
                             ADD_FAILURE() << "no modal window showed within 3 seconds";
                             QApplication::closeAllWindows();
                             return;
                         }
                         timer->stop();
                         timer->deleteLater();
                         during(*modal);
                     });
    timer->start();
}

void RuntimeTest::SetUp() {
    FaultInjection::reset();
    reports.clear();
}

void RuntimeTest::TearDown() {
    FaultInjection::reset();
    runtime.reset();
    processEvents();
    EXPECT_EQ(CountedReference::outstanding(), 0);
}

FormWindow& RuntimeTest::start(ProjectDescription project) {
    runtime = std::make_unique<FormsRuntime>(std::move(project));
    runtime->setErrorReporter([this](const Failure& failure) { reports.push_back(failure); });
    FormInstance& instance = runtime->openStartupWindow();
    EXPECT_TRUE(instance.isLoaded());
    FormWindow& window = *instance.window();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    return window;
}

} // namespace fg::test
