#pragma once
// A test with the fixture window open, in a colour scheme whose colours all differ.

#include "tests/scene/FixtureForm.h"
#include "tests/scene/FixtureSupport.h"
#include "tests/support/GuiTest.h"

namespace fg::test {

class FixtureWindowTest : public RuntimeTest {
protected:
    FormWindow& open(std::vector<EventBinding> first = {}) {
        windowClass =
            fixture::windowClass(fixture::kName, fixture::stored(), log, std::move(first));
        return start(ProjectDescription{{&windowClass}, {}});
    }

    FormInstance& instance() { return *runtime->startupInstance(); }

    // Visible written the way a handler writes it, with its status.
    void setVisible(const QString& control, bool visible) {
        ASSERT_TRUE(instance().control(control).setVisible(visible).isOk());
        processEvents();
    }

    DistinctColourScheme colours; // before any window is made
    fixture::EventLog log;
    FormClass windowClass;
};

} // namespace fg::test
