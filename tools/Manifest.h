#pragma once
// pictures/content/manifest.tsv: which control shows which image file.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <string_view>

namespace fg::tools {

class Manifest {
public:
    // The bytes of the image file for a use ("Form1", "Picture17"; "Picture" and "Icon" for
    // the window's own), or an empty array where the manifest names none.
    QByteArray imageFor(std::string_view window, std::string_view use) const;

    QHash<QString, QByteArray> files; // by use, "Form1.Picture17"
};

// Reads the manifest and every file it names; throws std::runtime_error for a missing file
// or a malformed row.
Manifest readManifest(const QString& contentDirectory);

} // namespace fg::tools
