// The program's six stored scenes decode, with the controls, nesting and order their
// windows are made of.
#include "app/ProjectDescription.h"
#include "scene/StoredForm.h"
#include "tests/scene/FixtureSupport.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace fg::test {
namespace {

const FormClass& classNamed(const ProjectDescription& project, const QString& name) {
    for (const FormClass* c : project.windowClasses)
        if (c->name == name)
            return *c;
    throw std::logic_error("no such window class");
}

// The control order a scene must have, worked out from its containers and TabIndex values:
// in each container its windowed controls by descending TabIndex, each followed by what it
// holds, then its lines in their stored order.
void expectedOrder(const Scene& scene, int container, QStringList& out) {
    std::vector<const SceneRecord*> windowed;
    for (const SceneRecord& c : scene.controls)
        if (c.container == container && c.kind != ControlKind::Line)
            windowed.push_back(&c);
    std::ranges::sort(windowed, std::greater{}, &SceneRecord::tabIndex);
    for (const SceneRecord* c : windowed) {
        out << c->name;
        expectedOrder(scene, c->index, out);
    }
    for (const SceneRecord& c : scene.controls)
        if (c.container == container && c.kind == ControlKind::Line)
            out << c.name;
}

TEST(RealScenes, ProjectHoldsTheSixWindowClassesInTheirOrder) {
    const ProjectDescription project = app::projectDescription();
    QStringList classes;
    for (const FormClass* c : project.windowClasses)
        classes << c->name;
    EXPECT_EQ(classes, QStringList({"Form1", "Form2", "Form4", "Form3", "Form5", "Form6"}));
    EXPECT_EQ(QStringList(project.programReferences.begin(), project.programReferences.end()),
              QStringList({"Form2", "Form3", "Form4", "Form5", "Form6"}));
}

TEST(RealScenes, DecodeWithTheirControls) {
    // clang-format off
    const struct { const char* window; int portraits, lines; } kCounts[] = {
        {"Form1", 57, 117}, {"Form2", 12, 25}, {"Form3", 10, 20},
        {"Form4",  9,  14}, {"Form5", 10, 17}, {"Form6", 17, 35},
    };
    // clang-format on
    const ProjectDescription project = app::projectDescription();
    for (const auto& row : kCounts) {
        SCOPED_TRACE(row.window);
        const Scene scene = decodeScene(classNamed(project, row.window).storedScene, row.window);
        EXPECT_EQ(scene.window.name, row.window);
        std::map<ControlKind, int> count;
        for (const SceneRecord& c : scene.controls)
            ++count[c.kind];
        EXPECT_EQ(count[ControlKind::Portrait], row.portraits);
        EXPECT_EQ(count[ControlKind::Line], row.lines);
        EXPECT_EQ(count[ControlKind::InfoList], 1);
        EXPECT_EQ(count[ControlKind::Window], 0);

        QStringList actual, expected;
        for (const SceneRecord& c : scene.controls)
            actual << c.name;
        expectedOrder(scene, 0, expected);
        EXPECT_EQ(actual, expected);
        // Every info list is stored hidden.
        EXPECT_FALSE(scene.find(u"List1")->visible);
    }
}

TEST(RealScenes, NestedControlsFollowTheirPortraits) {
    const ProjectDescription project = app::projectDescription();
    const Scene form1 = decodeScene(classNamed(project, "Form1").storedScene, "Form1");
    const SceneRecord* picture32 = form1.find(u"Picture32");
    const SceneRecord* picture47 = form1.find(u"Picture47");
    ASSERT_TRUE(picture32 && picture47);
    EXPECT_EQ(picture47->container, picture32->index);
    EXPECT_EQ(picture47->index, picture32->index + 1);
    EXPECT_TRUE(picture47->picture.isEmpty());
    EXPECT_EQ(QList<int>({picture47->width, picture47->height}), QList<int>({15, 855}));

    const Scene form2 = decodeScene(classNamed(project, "Form2").storedScene, "Form2");
    const SceneRecord* picture4 = form2.find(u"Picture4");
    const SceneRecord* line8 = form2.find(u"Line8");
    ASSERT_TRUE(picture4 && line8);
    EXPECT_EQ(line8->container, picture4->index);
    EXPECT_EQ(line8->index, picture4->index + 1);
    EXPECT_EQ(QList<int>({line8->y1, line8->y2}), QList<int>({960, 975}));

    // No other control of the six scenes is nested.
    for (const QString name : {"Form1", "Form2", "Form3", "Form4", "Form5", "Form6"}) {
        const Scene scene = decodeScene(classNamed(project, name).storedScene, name);
        QStringList nested;
        for (const SceneRecord& c : scene.controls)
            if (c.container != 0)
                nested << c.name;
        const QStringList expected = name == "Form1"   ? QStringList{"Picture47"}
                                     : name == "Form2" ? QStringList{"Line8"}
                                                       : QStringList{};
        EXPECT_EQ(nested, expected) << name.toStdString();
    }
}

} // namespace
} // namespace fg::test
