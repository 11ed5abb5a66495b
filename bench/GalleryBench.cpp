// What the user waits for: the gallery's start (decoding its scene and its 57 pictures and
// building the window), a reveal click, and one hover in a family tree.
#include "app/ProjectDescription.h"
#include "gallery/Form1.h"
#include "scene/FormWindow.h"
#include "scene/StoredForm.h"
#include "trees/TreeForms.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void decodeGalleryScene(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(fg::decodeScene(fg::stored::Form1(), QStringLiteral("Form1")));
}
BENCHMARK(decodeGalleryScene)->Unit(benchmark::kMicrosecond);

void openGallery(benchmark::State& state) {
    for (auto _ : state) {
        fg::FormsRuntime runtime(fg::app::projectDescription());
        runtime.setErrorReporter([](const fg::Failure&) {});
        benchmark::DoNotOptimize(runtime.openStartupWindow().window());
    }
}
BENCHMARK(openGallery)->Unit(benchmark::kMillisecond);

void revealClick(benchmark::State& state) {
    fg::FormsRuntime runtime(fg::app::projectDescription());
    runtime.setErrorReporter([](const fg::Failure&) {});
    fg::FormInstance& gallery = runtime.openStartupWindow();
    for (auto _ : state) {
        gallery.raise(QStringLiteral("Picture1"), fg::Event::Click);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(revealClick)->Unit(benchmark::kMicrosecond);

void hoverOverRoot(benchmark::State& state) {
    fg::FormsRuntime runtime(fg::app::projectDescription());
    runtime.setErrorReporter([](const fg::Failure&) {});
    fg::FormInstance tree(runtime, fg::trees::form5Class());
    if (!tree.show(0).isOk()) {
        state.SkipWithError("Form5 does not open");
        return;
    }
    for (auto _ : state) {
        tree.raise(QStringLiteral("Picture2"), fg::Event::MouseMove);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(hoverOverRoot)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
