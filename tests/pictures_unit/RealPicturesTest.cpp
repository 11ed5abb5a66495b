// The program's own pictures: images that several portraits show are decoded once while a
// window holding them stays loaded, a window loaded again decodes again, and every window
// carries its icon.
#include "app/ProjectDescription.h"
#include "pictures/PictureCache.h"
#include "pictures/PictureRecord.h"
#include "tests/support/GuiTest.h"

#include <QApplication>

namespace fg::test {
namespace {

using pictures::PictureCache;

int decodes() {
    return PictureCache::instance().decodeCount();
}

const QByteArray& pictureOf(const FormWindow& window, const char* portrait) {
    return window.record(QLatin1String(portrait))->picture;
}

class RealPictures : public RuntimeTest {};

TEST_F(RealPictures, SharedImagesAreDecodedOnce) {
    const int start0 = decodes();
    FormWindow& gallery = start(app::projectDescription());
    // 56 portraits with 56 different images, the background and the icon.
    EXPECT_EQ(decodes() - start0, 58);

    // Form2 shows six images of the gallery's (Picture1, 2, 3, 11, 12 and, as its Picture6,
    // the gallery's Picture46) and six of its own, with its background and icon.
    int openings = 0;
    auto inside = [&](QWidget& modal, int before) {
        ++openings;
        EXPECT_EQ(decodes() - before, 8);
        const FormWindow& form2 = *runtime->programReference(u"Form2")->window();
        PictureCache& cache = PictureCache::instance();
        const int held = decodes();
        // clang-format off
        const struct { const char* gallery; const char* form2; bool same; } kPairs[] = {
            {"Picture1", "Picture1", true}, {"Picture2", "Picture2", true}, {"Picture12", "Picture12", true},
            {"Picture46", "Picture6", true}, {"Picture22", "Picture22", false}, {"Picture4", "Picture4", false},
        };
        // clang-format on
        for (const auto& pair : kPairs) {
            const bool same = cache.decode(pictureOf(gallery, pair.gallery)) ==
                              cache.decode(pictureOf(form2, pair.form2));
            EXPECT_EQ(same, pair.same) << pair.gallery << " and " << pair.form2;
        }
        EXPECT_EQ(decodes(), held); // everything asked for was held already
        modal.close();
    };

    for (int opening = 1; opening <= 2; ++opening) {
        const int before = decodes();
        whenModalShows([&inside, before](QWidget& modal) { inside(modal, before); });
        doubleClick(gallery, centreOf(gallery, "Picture1"));
        EXPECT_EQ(openings, opening);
    }
    EXPECT_TRUE(reports.empty());
}

QImage iconImage(const QIcon& icon) {
    return icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

TEST_F(RealPictures, EveryWindowCarriesItsIcon) {
    const ProjectDescription project = app::projectDescription();
    FormWindow& gallery = start(project);
    std::vector<std::unique_ptr<FormInstance>> trees(project.windowClasses.size() - 1);
    std::vector<QImage> icons;
    for (std::size_t i = 0; i < project.windowClasses.size(); ++i) {
        const FormClass& form = *project.windowClasses[i];
        SCOPED_TRACE(form.name.toStdString());
        FormWindow* window = &gallery;
        if (i > 0) {
            runtime->createInstance(form, trees[i - 1]);
            ASSERT_TRUE(trees[i - 1]->show(0).isOk());
            window = trees[i - 1]->window();
        }
        const QImage expected =
            QImage::fromData(pictures::imageFileOf(window->scene().window.icon), "ICO")
                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        ASSERT_EQ(expected.size(), QSize(32, 32));
        EXPECT_TRUE(window->windowIcon().availableSizes().contains(QSize(32, 32)));
        EXPECT_EQ(iconImage(window->windowIcon()), expected);
        for (const QImage& other : icons)
            EXPECT_NE(other, expected); // six different icons
        icons.push_back(expected);
    }
    // The gallery's icon is the program's own.
    EXPECT_EQ(iconImage(QApplication::windowIcon()), icons.front());
    EXPECT_TRUE(reports.empty());
}

} // namespace
} // namespace fg::test
