#include "GalleryFixture.h"

#include "app/ProjectDescription.h"

#include <QApplication>

namespace fg::test {
namespace {

std::set<int> numbersOf(const QStringList& names, qsizetype prefixLength) {
    std::set<int> numbers;
    for (const QString& name : names)
        numbers.insert(name.mid(prefixLength).toInt());
    return numbers;
}

void print(const std::set<int>& numbers, std::ostream* out) {
    for (const int n : numbers)
        *out << ' ' << n;
}

} // namespace

QString picture(int number) {
    return QStringLiteral("Picture%1").arg(number);
}
QString line(int number) {
    return QStringLiteral("Line%1").arg(number);
}

void PrintTo(const GalleryState& state, std::ostream* out) {
    *out << "{P";
    print(state.portraits, out);
    *out << "; L";
    print(state.lines, out);
    *out << "; list " << (state.listShown ? "shown" : "hidden") << " [";
    for (const std::string& text : state.list)
        *out << '"' << text << '"';
    *out << "]}";
}

GalleryState viewOf(const ClickCase& click, bool listShown, std::vector<std::string> list) {
    GalleryState view{{click.portraits.begin(), click.portraits.end()},
                      kAlwaysShownLines,
                      listShown,
                      std::move(list)};
    view.lines.insert(click.lines.begin(), click.lines.end());
    return view;
}

FormWindow& GalleryTest::open() {
    gallery_ = &start(app::projectDescription());
    return *gallery_;
}

GalleryState GalleryTest::state() const {
    GalleryState s;
    s.portraits = numbersOf(visibleNames(*gallery_, ControlKind::Portrait), 7);
    s.lines = numbersOf(visibleNames(*gallery_, ControlKind::Line), 4);
    s.listShown = gallery_->isControlVisible(QStringLiteral("List1"));
    for (const QString& text : listLines(*gallery_))
        s.list.push_back(text.toStdString());
    return s;
}

::testing::AssertionResult GalleryTest::clickPortrait(int portrait) {
    if (!gallery_->isControlVisible(picture(portrait)))
        return ::testing::AssertionFailure()
               << "Picture" << portrait << " is not visible to be clicked";
    click(*gallery_, centreOf(*gallery_, picture(portrait)));
    if (CountedReference::outstanding() != 0)
        return ::testing::AssertionFailure()
               << "references outstanding after the click on Picture" << portrait;
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult GalleryTest::clickAlong(const std::vector<int>& portraits) {
    for (const int portrait : portraits)
        if (auto clicked = clickPortrait(portrait); !clicked)
            return clicked;
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult GalleryTest::walkToViewOf(int portrait) {
    std::vector<int> route = routeTo(portrait);
    route.push_back(portrait);
    return clickAlong(route);
}

void GalleryTest::raiseClick(int portrait) {
    form().raise(picture(portrait), Event::Click);
    EXPECT_EQ(CountedReference::outstanding(), 0) << "after the click on Picture" << portrait;
}

WhenModalShows::WhenModalShows(const QWidget& gallery, std::function<void(QWidget& modal)> during) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this, &gallery, during = std::move(during)] {
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
            timer_.stop();
            ran_ = true;
            during(*modal);
        } else if (elapsed_.hasExpired(2000)) {
            timer_.stop();
            ADD_FAILURE() << "no modal window showed";
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window != &gallery && window->isVisible())
                    window->close();
        }
    });
    elapsed_.start();
    timer_.start();
}

ModalGuard::ModalGuard(const QWidget& gallery) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this, &gallery] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window != &gallery && window->isVisible()) {
                opened_ = true;
                window->close();
            }
    });
    timer_.start();
}

} // namespace fg::test
