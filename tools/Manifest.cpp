#include "tools/Manifest.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

namespace fg::tools {

QByteArray Manifest::imageFor(std::string_view window, std::string_view use) const {
    return files.value(QString::fromLatin1(window.data(), qsizetype(window.size())) +
                       QLatin1Char('.') + QString::fromLatin1(use.data(), qsizetype(use.size())));
}

Manifest readManifest(const QString& contentDirectory) {
    const QDir directory(contentDirectory);
    QFile file(directory.filePath(QStringLiteral("manifest.tsv")));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw std::runtime_error("cannot read " + file.fileName().toStdString());
    Manifest manifest;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) { // the first line names the columns
        const QByteArray line = lines[i].trimmed();
        if (line.isEmpty())
            continue;
        const QList<QByteArray> columns = line.split('\t');
        if (columns.size() != 8)
            throw std::runtime_error("manifest.tsv line " + std::to_string(i + 1) +
                                     ": expected 8 columns");
        QFile image(directory.filePath(QString::fromUtf8(columns[0])));
        if (!image.open(QIODevice::ReadOnly))
            throw std::runtime_error("cannot read " + image.fileName().toStdString());
        const QByteArray bytes = image.readAll();
        for (const QByteArray& use : columns[7].split(' '))
            if (!use.isEmpty())
                manifest.files.insert(QString::fromUtf8(use), bytes);
    }
    return manifest;
}

} // namespace fg::tools
