// Build step: turns the authored scene of one window into its stored form, with the picture
// records that pictures/content/manifest.tsv assigns, and writes it as a C++ source that
// carries the bytes in the program.
//
//   scene_encoder <window> <pictures/content> <output.cpp>

#include "gallery/Form1Scene.h"
#include "pictures/PictureRecord.h"
#include "scene/StoredForm.h"
#include "tools/Manifest.h"
#include "trees/TreeScenes.h"

#include <QFile>
#include <cstdio>

namespace {

const fg::SceneSource* sceneNamed(std::string_view name) {
    for (const fg::SceneSource* scene :
         {&fg::gallery::kForm1Scene, &fg::trees::kForm2Scene, &fg::trees::kForm3Scene,
          &fg::trees::kForm4Scene, &fg::trees::kForm5Scene, &fg::trees::kForm6Scene})
        if (scene->window.name == name)
            return scene;
    return nullptr;
}

QByteArray asCppSource(const QString& window, const QByteArray& stored) {
    QByteArray out;
    out += "// Made by scene_encoder from the authored scene of " + window.toLatin1() +
           ": do not edit.\n";
    out += "#include <QByteArrayView>\n\nnamespace fg::stored {\n\n";
    out += "QByteArrayView " + window.toLatin1() + "() {\n    static const char bytes[] =\n";
    // Three-digit octal escapes: no escape can swallow the character after it.
    for (qsizetype i = 0; i < stored.size(); i += 32) {
        out += "        \"";
        for (qsizetype j = i; j < qMin(i + 32, stored.size()); ++j)
            out +=
                QByteArray::number(std::uint8_t(stored[j]), 8).rightJustified(3, '0').prepend('\\');
        out += "\"\n";
    }
    out += "        ;\n    return QByteArrayView(bytes, " + QByteArray::number(stored.size()) +
           ");\n}\n\n";
    out += "} // namespace fg::stored\n";
    return out;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: scene_encoder <window> <pictures/content> <output.cpp>\n");
        return 2;
    }
    const QString window = QString::fromLocal8Bit(argv[1]);
    const fg::SceneSource* scene = sceneNamed(argv[1]);
    if (!scene) {
        std::fprintf(stderr, "scene_encoder: no scene named %s\n", argv[1]);
        return 1;
    }
    try {
        const fg::tools::Manifest manifest =
            fg::tools::readManifest(QString::fromLocal8Bit(argv[2]));
        const QByteArray stored =
            fg::encodeScene(*scene, [&](std::string_view form, std::string_view use) {
                const QByteArray file = manifest.imageFor(form, use);
                return file.isEmpty() ? QByteArray() : fg::pictures::makePictureRecord(file);
            });
        fg::decodeScene(stored, window); // what the program cannot load must not be built
        QFile out(QString::fromLocal8Bit(argv[3]));
        if (!out.open(QIODevice::WriteOnly) || out.write(asCppSource(window, stored)) < 0 ||
            !out.flush()) {
            std::fprintf(stderr, "scene_encoder: cannot write %s\n", argv[3]);
            return 1;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "scene_encoder: %s: %s\n", argv[1], error.what());
        return 1;
    }
    return 0;
}
