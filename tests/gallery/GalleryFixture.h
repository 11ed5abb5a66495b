#pragma once
// A running gallery for one test, what it shows at a moment, and clicks on its portraits,
// either through the real input path or raised straight on the gallery instance.

#include "ExpectedClicks.h"
#include "tests/support/GuiTest.h"

#include <QTimer>
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

// Closes every modal window that opens while it lives, and tells whether one did: a test
// that expects none to open does not hang if one does.
class ModalGuard {
public:
    ModalGuard();
    bool opened() const { return opened_; }

private:
    QTimer timer_;
    bool opened_ = false;
};

} // namespace fg::test
