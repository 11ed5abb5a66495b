#include "TreeWindowTest.h"

#include "app/ProjectDescription.h"
#include "scene/Twips.h"

#include <QEvent>
#include <QWidget>
#include <cstdlib>

namespace fg::test {
namespace {

QPoint pixelOf(Twips x, Twips y) {
    return {toPixels(x), toPixels(y)};
}

// The pixels of a horizontal or vertical line, or the first end point of any other.
std::vector<QPoint> pixelsOf(const SceneRecord& line) {
    const QPoint from = pixelOf(line.x1, line.y1), to = pixelOf(line.x2, line.y2);
    std::vector<QPoint> pixels;
    if (from.x() == to.x() || from.y() == to.y()) {
        const QPoint step((to.x() > from.x()) - (to.x() < from.x()),
                          (to.y() > from.y()) - (to.y() < from.y()));
        for (QPoint p = from; p != to; p += step)
            pixels.push_back(p);
    }
    if (pixels.empty())
        pixels.push_back(from);
    return pixels;
}

} // namespace

void TreeWindowTest::inTreeWindow(const char* name, const std::function<void(FormWindow&)>& body) {
    if (!runtime)
        start(app::projectDescription());
    const QString window = QLatin1String(name);
    std::unique_ptr<FormInstance>& reference = runtime->programReference(window);
    if (!reference)
        runtime->createInstance(*runtime->windowClass(window), reference);
    FormInstance& instance = *reference;
    bool ran = false;
    whenModalShows([&](QWidget& modal) {
        ran = true;
        EXPECT_EQ(&modal, instance.window());
        if (instance.window())
            body(*instance.window());
        modal.close();
    });
    const Status status = instance.show(1);
    EXPECT_TRUE(status.isOk()) << (status.isOk() ? "" : qPrintable(status.failure().describe()));
    EXPECT_TRUE(ran) << name << " never showed";
    EXPECT_FALSE(instance.isLoaded()) << "closing unloads " << name;
}

void PrintTo(const ListState& state, std::ostream* out) {
    *out << (state.shown ? "shown" : "hidden") << " with " << state.lines.size() << " lines";
    for (const QString& line : state.lines)
        *out << "\n  \"" << line.toStdString() << '"';
}

ListState listState(const FormWindow& window) {
    return {window.isControlVisible(QStringLiteral("List1")), listLines(window)};
}

QRect boxOf(const FormWindow& window, const QString& control) {
    const QWidget* widget = window.widgetOf(control);
    return widget ? widget->geometry() : QRect();
}

QPoint backgroundPoint(const FormWindow& window) {
    // Two pixels clear of everything, so that no rounding puts the point on a control.
    std::vector<QRect> covered;
    std::vector<QPoint> linePixels;
    for (const SceneRecord& r : window.scene().controls) {
        if (r.container != 0)
            continue;
        if (r.kind == ControlKind::Line) {
            const std::vector<QPoint> pixels = pixelsOf(r);
            linePixels.insert(linePixels.end(), pixels.begin(), pixels.end());
            linePixels.push_back(pixelOf(r.x2, r.y2));
        } else {
            covered.push_back(boxOf(window, r.name).adjusted(-2, -2, 2, 2));
        }
    }
    for (int y = 3; y < window.height() - 3; y += 4)
        for (int x = 3; x < window.width() - 3; x += 4) {
            const QPoint p(x, y);
            const bool nearControl =
                std::ranges::any_of(covered, [&](const QRect& box) { return box.contains(p); });
            const bool nearLine = std::ranges::any_of(linePixels, [&](const QPoint& q) {
                return std::abs(q.x() - x) <= 2 && std::abs(q.y() - y) <= 2;
            });
            if (!nearControl && !nearLine)
                return p;
        }
    ADD_FAILURE() << "no bare client area in " << window.scene().window.name.toStdString();
    return {};
}

std::optional<QPoint> exposedPointOf(const FormWindow& window, const QString& line) {
    const SceneRecord* r = window.record(line);
    if (!r || r->kind != ControlKind::Line || r->container != 0)
        return std::nullopt;
    std::vector<QPoint> pixels = pixelsOf(*r);
    // From the middle outwards: the ends of stubs and drops lie under portraits.
    const QPoint middle = pixels[pixels.size() / 2];
    std::ranges::sort(pixels, {}, [&](const QPoint& p) { return (p - middle).manhattanLength(); });
    const QRect list = boxOf(window, QStringLiteral("List1"));
    for (const QPoint& p : pixels)
        if (window.rect().contains(p) && !window.childAt(p) && !list.contains(p))
            return p;
    return std::nullopt;
}

HideCounter::HideCounter(QWidget* watched) {
    watched->installEventFilter(this);
}

bool HideCounter::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Hide)
        ++count_;
    return false;
}

} // namespace fg::test
