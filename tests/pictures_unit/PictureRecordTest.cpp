// Picture records: the image file behind the 12-byte header, its format by its own leading
// bytes, and damaged records or files refused with a PictureError, never a crash; in a
// window a portrait whose picture fails shows its BackColor and the failure is reported.
#include "pictures/PictureRecord.h"

#include "pictures/PictureCache.h"
#include "tests/scene/FixtureForm.h"
#include "tests/scene/FixtureSupport.h"
#include "tests/support/GuiTest.h"

#include <QBuffer>
#include <QImageWriter>
#include <QtEndian>
#include <functional>

namespace fg::test {
namespace {

using pictures::ImageFormat;
using pictures::PictureCache;
using pictures::PictureError;

QByteArray jpeg() {
    static const QByteArray file = jpegFile(markedPicture({20, 10}));
    return file;
}

QByteArray pngFile() {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "png").write(markedPicture({4, 4}));
    return bytes;
}

QByteArray withHeader(std::uint32_t n, QByteArrayView signature, std::uint32_t m,
                      QByteArrayView file) {
    QByteArray record(12, '\0');
    qToLittleEndian<quint32>(n, record.data());
    record.replace(4, 4, signature.toByteArray());
    qToLittleEndian<quint32>(m, record.data() + 8);
    return record + file.toByteArray();
}

TEST(PictureRecord, HoldsTheFileBehindItsHeader) {
    const QByteArray record = pictures::makePictureRecord(jpeg());
    ASSERT_EQ(record.size(), jpeg().size() + 12);
    EXPECT_EQ(qFromLittleEndian<quint32>(record.constData()), quint32(jpeg().size() + 8));
    EXPECT_EQ(record.mid(4, 4), QByteArray("lt\0\0", 4));
    EXPECT_EQ(qFromLittleEndian<quint32>(record.constData() + 8), quint32(jpeg().size()));
    EXPECT_EQ(pictures::imageFileOf(record).toByteArray(), jpeg());

    const auto image = PictureCache::instance().decode(record);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->size(), QSize(20, 10));
}

TEST(PictureRecord, FormatByLeadingBytes) {
    EXPECT_EQ(pictures::formatOf(jpeg()), ImageFormat::Jpeg);
    EXPECT_EQ(pictures::formatOf("GIF89a\x01\x00"), ImageFormat::Gif);
    EXPECT_EQ(pictures::formatOf(QByteArrayView("\x00\x00\x01\x00\x01\x00", 6)), ImageFormat::Icon);
    EXPECT_EQ(pictures::formatOf("GIF87a\x01\x00"), std::nullopt);
    EXPECT_EQ(pictures::formatOf(pngFile()), std::nullopt);
    EXPECT_EQ(pictures::formatOf(QByteArrayView("\x00\x00\x02\x00", 4)),
              std::nullopt); // a cursor file
    EXPECT_EQ(pictures::formatOf(""), std::nullopt);
}

TEST(PictureRecord, DamagedRecordsAndFilesAreRefused) {
    const QByteArray good = pictures::makePictureRecord(jpeg());
    const quint32 m = quint32(jpeg().size());
    // clang-format off
    const struct {
        const char* name;
        QByteArray record;
        bool recordFault; // the record itself is damaged, not only its file
    } kCases[] = {
        // The record
        {"empty",                      {},                                                  true},
        {"shorter than its header",    good.left(11),                                       true},
        {"n is m + 9",                 withHeader(m + 9, "lt\0\0", m, jpeg()),              true},
        {"n is m + 7",                 withHeader(m + 7, "lt\0\0", m, jpeg()),              true},
        {"a wrong signature",          withHeader(m + 8, "LT\0\0", m, jpeg()),              true},
        {"a signature with a 1",       withHeader(m + 8, QByteArrayView("lt\0\1", 4), m, jpeg()), true},
        {"m past the end",             withHeader(m + 9, "lt\0\0", m + 1, jpeg()),          true},
        {"m near 4 GiB",               withHeader(0xFFFFFFF8, "lt\0\0", 0xFFFFFFF0, jpeg()), true},
        {"m wrapping n around",        withHeader(4, "lt\0\0", 0xFFFFFFFC, jpeg()),         true},
        // The file
        {"an empty file",              pictures::makePictureRecord({}),                     false},
        {"a PNG file",                 pictures::makePictureRecord(pngFile()),              false},
        {"a GIF87a file",              pictures::makePictureRecord("GIF87a\x10\x00\x10\x00\x80\x00\x00"), false},
        {"a bitmap file",              pictures::makePictureRecord("BM\x3e\x00\x00\x00"),   false},
        {"a JPEG cut in its headers",  pictures::makePictureRecord(jpeg().left(64)),        false},
        {"a JPEG of its markers only", pictures::makePictureRecord("\xFF\xD8\xFF\xD9"),     false},
        {"a GIF89a header alone",      pictures::makePictureRecord("GIF89a\x10\x00"),       false},
        {"an icon header alone",       pictures::makePictureRecord(QByteArrayView("\x00\x00\x01\x00\x01\x00", 6)), false},
    };
    // clang-format on
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        if (c.recordFault)
            EXPECT_THROW(pictures::imageFileOf(c.record), PictureError);
        else
            EXPECT_NO_THROW(pictures::imageFileOf(c.record));
        const int before = PictureCache::instance().decodeCount();
        EXPECT_THROW(PictureCache::instance().decode(c.record), PictureError);
        EXPECT_EQ(PictureCache::instance().decodeCount(), before);
    }
}

class BrokenPicture : public RuntimeTest {
protected:
    DistinctColourScheme colours;
    fixture::EventLog log;
    QByteArray stored; // with the window class, as long as the runtime
    FormClass form;
};

TEST_F(BrokenPicture, PortraitShowsItsBackColorAndTheFailureIsReportedOnce) {
    QHash<QString, QByteArray> pictures = fixture::pictures();
    pictures.insert("Picture1", pictures::makePictureRecord(jpeg().left(64)));
    stored = storeScene(fixture::tables().source(), pictures);
    form = fixture::windowClass(fixture::kName, stored, log);
    FormWindow& window = start(ProjectDescription{{&form}, {}});

    // Picture1, flat, outer (20, 20): its whole client area BackColor, but where its nested
    // Picture3 and Line7 stand.
    const QImage image = grab(window);
    const std::string back = name(shown(colour::kWindowBackground));
    for (int y = 21; y <= 60; ++y)
        for (int x = 27; x <= 50; ++x)
            EXPECT_EQ(colourAt(image, x, y), back) << x << "," << y;
    EXPECT_EQ(colourAt(image, 21, 21), back);

    ASSERT_EQ(reports.size(), 1u);
    const QString report = reports[0].describe();
    EXPECT_TRUE(report.contains(fixture::kName)) << report.toStdString();
    EXPECT_TRUE(report.contains("Picture1")) << report.toStdString();
    EXPECT_FALSE(reports[0].cause.isEmpty());

    // Drawn again, shown again: no further report; the window works.
    ASSERT_TRUE(runtime->startupInstance()->control("Picture1").setVisible(false).isOk());
    ASSERT_TRUE(runtime->startupInstance()->control("Picture1").setVisible(true).isOk());
    grab(window);
    log.raised.clear();
    click(window, {30, 30});
    EXPECT_EQ(reports.size(), 1u);
    EXPECT_EQ(log.clicks(), QStringList{"Picture1_Click"});
}

} // namespace
} // namespace fg::test
