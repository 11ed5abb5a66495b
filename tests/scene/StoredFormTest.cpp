// The stored form of a scene: what it stores, what it reads back, and that damaged bytes
// are refused with a message that names the scene, the record and the byte offset.
#include "scene/StoredForm.h"

#include "scene/PropertyCodes.h"
#include "tests/scene/FixtureForm.h"
#include "tests/scene/FixtureSupport.h"
#include "tests/scene/StoredRecords.h"

#include <QtEndian>
#include <functional>
#include <gtest/gtest.h>

namespace fg::test {
namespace {

constexpr auto code(PropertyCode c) {
    return std::uint8_t(c);
}

// clang-format off
struct WindowedRow {
    const char* name; ControlKind kind; int container; // index of the container, 0 the window
    Twips left, top, width, height; ColourValue back, fore; bool threeD, visible; int tabIndex;
    const char* picture; // use in fixture::pictures(), or nullptr
};
struct LineRow {
    const char* name; int container; Twips x1, y1, x2, y2; ColourValue colour; bool visible;
};
// Control order: the windowed controls by descending TabIndex, each followed by what it
// holds, then the lines.
const WindowedRow kWindowed[] = {
    {"List1",    ControlKind::InfoList, 0,  300, 1500, 1500, 645, 0x80000005, 0x80000008, true,  false, 3, nullptr},
    {"Picture1", ControlKind::Portrait, 0,  300,  300,  800, 900, 0x80000005, 0x80000008, false, true,  2, "Picture1"},
    {"Picture3", ControlKind::Portrait, 2,  450,  600,  450, 450, 0x8000000F, 0x80000012, true,  true,  1, nullptr},
    {"Picture2", ControlKind::Portrait, 0, 1800,  300,  800, 900, 0x8000000F, 0x80000012, true,  true,  0, nullptr},
};
const LineRow kLines[] = {
    {"Line7", 2,   75,  450,   75, 1050, 0xFFFFFF,   true},
    {"Line1", 0, 2250, 2250, 2265, 2265, 0x0000FF,   true},
    {"Line2", 0,    0, 2100,    0, 1500, 0x80000008, true},
    {"Line3", 0, 1500,  750, 3000,  750, 0x00FF00,   true},
    {"Line4", 0, 1350, 2250,  900, 2250, 0xFF0000,   true},
    {"Line5", 0,  900, 2400, 1350, 2400, 0xFF0000,   true},
    {"Line6", 0, 3000, 1500, 3075, 1530, 0x00FFFF,   true},
    {"Line8", 0, 3000, 2550, 3300, 2550, 0x0000FF,   false},
};
// clang-format on
const QStringList kControlOrder = {"List1", "Picture1", "Picture3", "Line7", "Picture2", "Line1",
                                   "Line2", "Line3",    "Line4",    "Line5", "Line6",    "Line8"};

TEST(StoredForm, ReadsBackTheFixtureAsAuthored) {
    const Scene scene = decodeScene(fixture::stored(), fixture::kName);

    const SceneRecord& w = scene.window;
    EXPECT_EQ(w.index, 0);
    EXPECT_EQ(w.name, "Fixture");
    EXPECT_EQ(w.kind, ControlKind::Window);
    EXPECT_EQ(w.caption, QString::fromUtf8("Prüfstand"));
    EXPECT_EQ(w.borderStyle, BorderStyle::Sizable);
    EXPECT_TRUE(w.minButton && w.maxButton && w.showInTaskbar);
    EXPECT_EQ(QList<int>({w.clientLeft, w.clientTop, w.clientWidth, w.clientHeight}),
              QList<int>({1500, 1500, 3600, 2700}));
    EXPECT_EQ(w.backColor, 0xA0C0E0u);
    EXPECT_TRUE(w.picture.isEmpty());
    EXPECT_EQ(w.icon, fixture::pictures().value("Icon"));

    QStringList order;
    for (const SceneRecord& c : scene.controls)
        order << c.name;
    ASSERT_EQ(order, kControlOrder);
    for (std::size_t i = 0; i < scene.controls.size(); ++i)
        EXPECT_EQ(scene.controls[i].index, int(i) + 1);

    for (const WindowedRow& row : kWindowed) {
        SCOPED_TRACE(row.name);
        const SceneRecord& c = *scene.find(QString::fromLatin1(row.name));
        EXPECT_EQ(c.kind, row.kind);
        EXPECT_EQ(c.container, row.container);
        EXPECT_EQ(QList<int>({c.left, c.top, c.width, c.height}),
                  QList<int>({row.left, row.top, row.width, row.height}));
        EXPECT_EQ(c.backColor, row.back);
        EXPECT_EQ(c.foreColor, row.fore);
        if (row.kind == ControlKind::Portrait) {
            EXPECT_EQ(c.threeD, row.threeD);
        }
        EXPECT_EQ(c.visible, row.visible);
        EXPECT_EQ(c.tabIndex, row.tabIndex);
        EXPECT_EQ(c.picture, row.picture ? fixture::pictures().value(row.picture) : QByteArray());
    }
    for (const LineRow& row : kLines) {
        SCOPED_TRACE(row.name);
        const SceneRecord& c = *scene.find(QString::fromLatin1(row.name));
        EXPECT_EQ(c.kind, ControlKind::Line);
        EXPECT_EQ(c.container, row.container);
        EXPECT_EQ(QList<int>({c.x1, c.y1, c.x2, c.y2}),
                  QList<int>({row.x1, row.y1, row.x2, row.y2}));
        EXPECT_EQ(c.borderColor, row.colour);
        EXPECT_EQ(c.visible, row.visible);
    }
}

TEST(StoredForm, StoresOnlyWhatDiffersFromTheDefaults) {
    const StoredRecords stored = readRecords(fixture::stored());
    const auto& window = stored["Fixture"];
    EXPECT_TRUE(window.stores(code(PropertyCode::Caption)));
    EXPECT_TRUE(window.stores(code(PropertyCode::Icon)));
    EXPECT_TRUE(window.stores(code(PropertyCode::BackColor)));
    for (const auto absent :
         {PropertyCode::Picture, PropertyCode::BorderStyle, PropertyCode::MinButton,
          PropertyCode::MaxButton, PropertyCode::ShowInTaskbar})
        EXPECT_FALSE(window.stores(code(absent))) << int(absent);

    // A 3D portrait in the default colours, shown, without a picture.
    const auto& plain = stored["Picture2"];
    for (const auto absent :
         {PropertyCode::BackColor, PropertyCode::ForeColor, PropertyCode::Picture,
          PropertyCode::Appearance, PropertyCode::Visible})
        EXPECT_FALSE(plain.stores(code(absent))) << int(absent);
    EXPECT_TRUE(plain.stores(code(PropertyCode::TabIndex)));

    const auto& flat = stored["Picture1"];
    for (const auto present : {PropertyCode::BackColor, PropertyCode::ForeColor,
                               PropertyCode::Picture, PropertyCode::Appearance})
        EXPECT_TRUE(flat.stores(code(present))) << int(present);
    EXPECT_FALSE(flat.stores(code(PropertyCode::Visible)));

    const auto& list = stored["List1"];
    EXPECT_FALSE(list.stores(code(PropertyCode::BackColor)));
    EXPECT_FALSE(list.stores(code(PropertyCode::ForeColor)));
    EXPECT_TRUE(list.stores(code(PropertyCode::Visible)));

    // A shown line in the default colour stores its end points alone.
    ASSERT_EQ(stored["Line2"].properties.size(), 1u);
    EXPECT_EQ(stored["Line2"].properties[0].code, code(PropertyCode::EndPoints));
    EXPECT_TRUE(stored["Line8"].stores(code(PropertyCode::Visible)));
    EXPECT_TRUE(stored["Line1"].stores(code(PropertyCode::BorderColor)));
}

// ---- damaged stored forms ---------------------------------------------------------------

// A damaged copy of the stored fixture, the record the decoder is expected to name (empty:
// any) and the range of bytes in which the fault lies.
struct Damage {
    QByteArray bytes;
    QString record;
    qsizetype from, to;
};
using Damaging = std::function<Damage(const QByteArray& good, const StoredRecords& at)>;

void putU32(QByteArray& bytes, qsizetype at, std::uint32_t value) {
    qToLittleEndian<quint32>(value, bytes.data() + at);
}
std::uint32_t sizeOf(const StoredRecord& r) {
    return std::uint32_t(r.end - r.start - 4);
}

// One field of one record set to a byte.
Damaging setByte(const char* record, qsizetype StoredRecord::*field, int delta,
                 std::uint8_t value) {
    return [=](const QByteArray& good, const StoredRecords& at) {
        const StoredRecord& r = at[QLatin1String(record)];
        QByteArray bytes = good;
        const qsizetype where = r.*field + delta;
        bytes[where] = char(value);
        return Damage{bytes, r.name, where, where};
    };
}

// The marker after a record set to another value.
Damaging markerAfter(const char* record, std::uint8_t value) {
    return setByte(record, &StoredRecord::end, 0, value);
}

// The fixture with one authored value changed, stored as the encoder stores it.
Damaging authored(const char* record, std::function<void(fixture::Tables&)> change) {
    return [=](const QByteArray&, const StoredRecords&) {
        fixture::Tables tables = fixture::tables();
        change(tables);
        const QByteArray bytes = storeScene(tables.source(), fixture::pictures());
        const StoredRecords at = readRecords(bytes);
        if (!*record)
            return Damage{bytes, {}, 0, bytes.size()};
        const StoredRecord& r = at[QLatin1String(record)];
        return Damage{bytes, r.name, r.start, r.end};
    };
}

PortraitSource& portrait(fixture::Tables& t, std::string_view name) {
    return *std::ranges::find(t.portraits, name, &PortraitSource::name);
}

struct DamageCase {
    const char* name;
    Damaging damage;
};

// clang-format off
const DamageCase kDamage[] = {
    // Lengths and sizes
    {"empty input", [](const QByteArray&, const StoredRecords&) { return Damage{{}, {}, 0, 0}; }},
    {"cut inside a record", [](const QByteArray& good, const StoredRecords& at) {
        const auto& r = at["Picture2"];
        return Damage{good.left(r.start + 9), r.name, r.start, r.start + 9}; }},
    {"cut inside a record's size", [](const QByteArray& good, const StoredRecords& at) {
        const auto& r = at["Line3"];
        return Damage{good.left(r.start + 2), r.name, r.start, r.start + 2}; }},
    {"cut before the end of the window", [](const QByteArray& good, const StoredRecords& at) {
        const auto& r = at["Line8"];
        return Damage{good.chopped(1), {}, r.end, good.size()}; }},
    {"a record size that overruns the scene", [](const QByteArray& good, const StoredRecords& at) {
        const auto& r = at["Line8"];
        QByteArray bytes = good;
        putU32(bytes, r.start, sizeOf(r) + 100);
        return Damage{bytes, r.name, r.start, r.end}; }},
    {"a record size of 4 GiB", [](const QByteArray& good, const StoredRecords& at) {
        const auto& r = at["Picture1"];
        QByteArray bytes = good;
        putU32(bytes, r.start, 0xFFFFFFFF);
        return Damage{bytes, r.name, r.start, r.end}; }},
    {"a record size that ends inside a value", [](const QByteArray& good, const StoredRecords& at) {
        const auto& r = at["Line1"];
        QByteArray bytes = good;
        putU32(bytes, r.start, sizeOf(r) - 3);
        return Damage{bytes, r.name, r.start, r.end}; }},
    {"a picture record that overruns its record", [](const QByteArray& good, const StoredRecords& at) {
        const auto& r = at["Picture1"];
        QByteArray bytes = good;
        putU32(bytes, r.property(std::uint8_t(PropertyCode::Picture)).at + 1, 0x7FFFFFFF);
        return Damage{bytes, r.name, r.start, r.end}; }},
    {"a caption longer than its record", [](const QByteArray& good, const StoredRecords& at) {
        const auto& r = at["Fixture"];
        QByteArray bytes = good;
        qToLittleEndian<quint16>(0xFFFF, bytes.data() + r.property(std::uint8_t(PropertyCode::Caption)).at + 1);
        return Damage{bytes, r.name, r.start, r.end}; }},

    // Structure
    {"an unknown marker", markerAfter("Line3", 0x07)},
    {"a control inside a line", markerAfter("Line1", 0x01)},
    {"a control inside the list", markerAfter("List1", 0x01)},
    {"a control index out of place", setByte("Line2", &StoredRecord::start, 4, 9)},
    {"a name without its terminating zero", setByte("Line4", &StoredRecord::kindAt, -1, 'x')},

    // Kinds and properties
    {"an unknown kind", setByte("Line4", &StoredRecord::kindAt, 0, 99)},
    {"a window among the controls", [](const QByteArray& good, const StoredRecords& at) {
        Damage damage = setByte("Line4", &StoredRecord::kindAt, 0, 13)(good, at);
        damage.to = at["Line4"].end; // where the window's properties stop fitting
        return damage; }},
    {"an unknown property code", setByte("Line5", &StoredRecord::end, -1, 0x7F)},
    {"a window property on a line", [](const QByteArray& good, const StoredRecords& at) {
        const auto& r = at["Line5"];
        QByteArray bytes = good;
        const qsizetype where = r.property(std::uint8_t(PropertyCode::EndPoints)).at;
        bytes[where] = char(PropertyCode::Caption);
        return Damage{bytes, r.name, where, where}; }},
    {"a missing terminator", [](const QByteArray& good, const StoredRecords& at) {
        const auto& r = at["Line6"];
        QByteArray bytes = good;
        bytes.remove(r.terminatorAt(), 1);
        putU32(bytes, r.start, sizeOf(r) - 1);
        return Damage{bytes, r.name, r.kindAt, r.end}; }},

    // Names and TabIndex
    {"a name used twice", [](const QByteArray& good, const StoredRecords& at) {
        const auto& r = at["Picture2"];
        QByteArray bytes = good;
        bytes[r.nameAt + 2 + 7] = '1'; // Picture2 becomes a second Picture1
        return Damage{bytes, r.name, r.start, r.end}; }},
    {"a TabIndex past n - 1", authored("", [](fixture::Tables& t) { portrait(t, "Picture2").tabIndex = 4; })},
    {"a TabIndex used twice", authored("", [](fixture::Tables& t) { portrait(t, "Picture2").tabIndex = 1; })},

    // Places
    {"a portrait past the right edge",
     authored("Picture2", [](fixture::Tables& t) { portrait(t, "Picture2").left = 3000; })},
    {"a line past the bottom edge", authored("Line3", [](fixture::Tables& t) { t.lines[2].y2 = 2715; })},
    {"a nested portrait carried out by its container",
     authored("Picture3", [](fixture::Tables& t) { portrait(t, "Picture1").left = 2700; })},

    // After the end
    {"bytes after the end of the window", [](const QByteArray& good, const StoredRecords&) {
        return Damage{good + QByteArray(1, '\0'), {}, good.size(), good.size()}; }},
};
// clang-format on

TEST(StoredForm, RefusesDamagedBytesWithTheirPlace) {
    const QByteArray good = fixture::stored();
    const StoredRecords at = readRecords(good);
    const Scene intact = decodeScene(good, fixture::kName);
    for (const DamageCase& c : kDamage) {
        SCOPED_TRACE(c.name);
        const Damage damage = c.damage(good, at);
        try {
            decodeScene(damage.bytes, fixture::kName);
            ADD_FAILURE() << "decoded without complaint";
        } catch (const SceneFormatError& error) {
            const QString message = QString::fromStdString(error.what());
            EXPECT_TRUE(message.contains(fixture::kName)) << error.what();
            EXPECT_TRUE(message.contains(QStringLiteral("byte %1").arg(error.offset())))
                << error.what();
            EXPECT_GE(error.offset(), damage.from) << error.what();
            EXPECT_LE(error.offset(), damage.to) << error.what();
            if (!damage.record.isEmpty()) {
                const SceneRecord* record =
                    damage.record == fixture::kName ? &intact.window : intact.find(damage.record);
                ASSERT_NE(record, nullptr);
                EXPECT_TRUE(message.contains(QStringLiteral("record %1").arg(record->index)))
                    << error.what();
            }
        } catch (const std::exception& other) {
            ADD_FAILURE() << "threw another error: " << other.what();
        }
    }
}

} // namespace
} // namespace fg::test
