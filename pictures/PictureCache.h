#pragma once
// Decoded pictures, each distinct image file held once: portraits of any loaded window that
// show the same image share its decoded pixels. An image lives as long as some holder keeps
// it; a window loaded again after all its holders are gone decodes again.

#include <QByteArray>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <memory>

namespace fg::pictures {

using SharedImage = std::shared_ptr<const QImage>;

class PictureCache {
public:
    static PictureCache& instance();

    // Decodes the image file of a picture record by its leading bytes. Throws PictureError
    // for a record that is not well formed, an unknown format or a file that fails to decode.
    SharedImage decode(QByteArrayView record);

    // The window icon from an icon's picture record, with crisp copies at the usual sizes.
    QIcon icon(QByteArrayView record);

    int decodeCount() const { return decodes_; } // how many files were decoded so far

private:
    QHash<QByteArray, std::weak_ptr<const QImage>> images_;
    int decodes_ = 0;
};

} // namespace fg::pictures
