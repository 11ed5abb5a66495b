#pragma once
// A running gallery for one test, what it shows at a moment, and clicks on its portraits,
// either through the real input path or raised straight on the gallery instance.

#include "ExpectedClicks.h"
#include "tests/support/GuiTest.h"

#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace fg::test {

QString picture(int number);
QString line(int number);

// The gallery's navigation state: the visible portraits and lines by number, and the list.
struct GalleryState {
    std::set<int> portraits;
    std::set<int> lines;
    bool listShown = false;
    std::vector<std::string> list;

    friend bool operator==(const GalleryState&, const GalleryState&) = default;
};
void PrintTo(const GalleryState& state, std::ostream* out);

// The portraits and lines that a reveal click is expected to show, with the two lines that
// every view keeps; the list as given.
GalleryState viewOf(const ClickCase& click, bool listShown = false,
                    std::vector<std::string> list = {});

class GalleryTest : public RuntimeTest {
protected:
    FormWindow& open();
    FormWindow& gallery() const { return *gallery_; }
    FormInstance& form() const { return *runtime->startupInstance(); }

    GalleryState state() const;

    // A click through the window's input path at the centre of a portrait that is visible.
    ::testing::AssertionResult clickPortrait(int portrait);
    ::testing::AssertionResult clickAlong(const std::vector<int>& portraits);
    // Walks from the start view to the portrait and clicks it, all through real input.
    ::testing::AssertionResult walkToViewOf(int portrait);
    // The Click event raised on the gallery instance, as the runtime delivers it.
    void raiseClick(int portrait);

private:
    FormWindow* gallery_ = nullptr;
};

// While it lives, runs `during` once from inside the next modal window's event loop. If no
// modal window shows within two seconds, the test fails and every other window that shows
// is closed, so that a window opened without modality does not hang the test.
class WhenModalShows {
public:
    WhenModalShows(const QWidget& gallery, std::function<void(QWidget& modal)> during);
    bool ran() const { return ran_; }

private:
    QTimer timer_;
    QElapsedTimer elapsed_;
    bool ran_ = false;
};

// Closes every window besides the gallery that shows while it lives, and tells whether one
// did: a test that expects none to open does not hang if one does.
class ModalGuard {
public:
    explicit ModalGuard(const QWidget& gallery);
    bool opened() const { return opened_; }

private:
    QTimer timer_;
    bool opened_ = false;
};

} // namespace fg::test
