#include "scene/StoredForm.h"

#include "scene/PropertyCodes.h"
#include "scene/Twips.h"

#include <QSet>
#include <QtEndian>
#include <algorithm>
#include <limits>

namespace fg {
namespace {

enum Marker : std::uint8_t {
    kFirstChild = 0x01,
    kEndOfChildren = 0x02,
    kNextSibling = 0x03,
    kEndOfWindow = 0x04
};
constexpr int kMaxNesting = 8;

// ---- encoding --------------------------------------------------------------------------

class Writer {
public:
    void u8(std::uint32_t v) { bytes_.append(char(v & 0xFF)); }
    void u16(std::uint32_t v) { u8(v), u8(v >> 8); }
    void u32(std::uint32_t v) { u16(v & 0xFFFF), u16(v >> 16); }
    void i16(std::int32_t v) {
        if (v < std::numeric_limits<std::int16_t>::min() ||
            v > std::numeric_limits<std::int16_t>::max())
            throw std::invalid_argument("a 16-bit value out of range: " + std::to_string(v));
        u16(std::uint32_t(std::uint16_t(std::int16_t(v))));
    }
    void i32(std::int32_t v) { u32(std::uint32_t(v)); }
    void raw(const QByteArray& data) { bytes_.append(data); }
    void property(PropertyCode code) { u8(std::uint8_t(code)); }
    QByteArray take() { return std::move(bytes_); }

private:
    QByteArray bytes_;
};

void writeText(Writer& w, std::string_view utf8, std::string_view what) {
    const QString text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    const QByteArray latin1 = text.toLatin1();
    if (QString::fromLatin1(latin1) != text || latin1.size() > 0xFFFF)
        throw std::invalid_argument(std::string(what) + " is not a Latin-1 text");
    w.u16(std::uint32_t(latin1.size()));
    w.raw(latin1);
}

void writePicture(Writer& w, PropertyCode code, const QByteArray& record) {
    if (record.isEmpty())
        return;
    w.property(code);
    w.raw(record);
}

void writeColour(Writer& w, PropertyCode code, ColourValue value, ColourValue fallback) {
    if (value == fallback)
        return;
    w.property(code);
    w.u32(value);
}

void writeExtras(Writer& w, const SceneSource& scene, std::string_view control) {
    for (const auto& extra : scene.extras) {
        if (extra.control != control)
            continue;
        switch (extra.setting) {
        case ExtraSetting::WindowColour:
            w.property(PropertyCode::ExtraColour), w.u32(extra.value);
            break;
        case ExtraSetting::WindowFlag:
        case ExtraSetting::PortraitFlag:
            w.property(PropertyCode::ExtraFlag), w.u8(extra.value);
            break;
        case ExtraSetting::ListSettings:
            w.property(PropertyCode::ListSettings), w.u32(extra.value);
            break;
        }
    }
}

// Writes one record; `body` writes its properties.
template <typename Body>
void writeRecord(Writer& out, int index, std::string_view name, ControlKind kind, Body body) {
    Writer record;
    record.u8(std::uint32_t(index));
    record.u16(std::uint32_t(name.size()));
    record.raw(QByteArray(name.data(), qsizetype(name.size())));
    record.u8(0);
    record.u8(std::uint8_t(kind));
    body(record);
    record.property(PropertyCode::End);
    const QByteArray bytes = record.take();
    out.u32(std::uint32_t(bytes.size()));
    out.raw(bytes);
}

struct PortraitLook {
    bool threeD;
    ColourValue back, fore;
};

PortraitLook lookOf(PortraitStyle style) {
    switch (style) {
    case PortraitStyle::Flat:
        return {false, colour::kWindowBackground, colour::kWindowText};
    case PortraitStyle::FlatMenu:
        return {false, colour::kMenu, colour::kWindowText};
    case PortraitStyle::ThreeD:
        return {true, colour::kButtonFace, colour::kButtonText};
    case PortraitStyle::ThreeDHighlightText:
        return {true, colour::kHighlightText, colour::kButtonText};
    }
    return {true, colour::kButtonFace, colour::kButtonText};
}

class Encoder {
public:
    Encoder(const SceneSource& scene, const PictureLookup& pictures)
        : scene_(scene), pictures_(pictures) {}

    QByteArray encode() {
        const auto& win = scene_.window;
        writeRecord(out_, 0, win.name, ControlKind::Window, [&](Writer& w) {
            w.property(PropertyCode::Caption);
            writeText(w, std::string(win.caption) + std::string(win.captionName), "the caption");
            writeColour(w, PropertyCode::BackColor, win.backColor, colour::kButtonFace);
            writePicture(w, PropertyCode::Picture, pictures_(win.name, "Picture"));
            const QByteArray icon = pictures_(win.name, "Icon");
            if (icon.isEmpty())
                throw std::invalid_argument("the window has no icon");
            writePicture(w, PropertyCode::Icon, icon);
            if (win.borderStyle != BorderStyle::Sizable) {
                w.property(PropertyCode::BorderStyle), w.u8(std::uint8_t(win.borderStyle));
                w.property(PropertyCode::MinButton), w.u8(0);
                w.property(PropertyCode::MaxButton), w.u8(0);
                w.property(PropertyCode::ShowInTaskbar), w.u8(0);
            }
            w.property(PropertyCode::ClientLeft), w.i32(win.clientLeft);
            w.property(PropertyCode::ClientTop), w.i32(win.clientTop);
            w.property(PropertyCode::ClientWidth), w.i32(win.clientWidth);
            w.property(PropertyCode::ClientHeight), w.i32(win.clientHeight);
            w.property(PropertyCode::FixedValue), w.u32(kFixedValue);
            writeExtras(w, scene_, win.name);
        });
        writeChildren({});
        out_.u8(kEndOfWindow);
        return out_.take();
    }

private:
    struct Windowed {
        const PortraitSource* portrait = nullptr;
        const ListSource* list = nullptr;
        int tabIndex() const { return portrait ? portrait->tabIndex : list->tabIndex; }
    };

    std::vector<Windowed> windowedIn(std::string_view container) const {
        std::vector<Windowed> result;
        for (const auto& p : scene_.portraits)
            if (p.container == container)
                result.push_back({&p, nullptr});
        if (container.empty())
            result.push_back({nullptr, &scene_.list});
        std::ranges::sort(result, std::greater{}, &Windowed::tabIndex);
        return result;
    }

    std::vector<const LineSource*> linesIn(std::string_view container) const {
        std::vector<const LineSource*> result;
        if (container.empty() && !scene_.lineOrder.empty()) {
            for (const int number : scene_.lineOrder) {
                const std::string name = "Line" + std::to_string(number);
                const auto it =
                    std::ranges::find(scene_.lines, std::string_view(name), &LineSource::name);
                if (it == scene_.lines.end())
                    throw std::invalid_argument("the line order names an unknown " + name);
                result.push_back(&*it);
            }
            return result;
        }
        for (const auto& line : scene_.lines)
            if (line.container == container)
                result.push_back(&line);
        return result;
    }

    void writeWindowed(const Windowed& item) {
        if (item.list) {
            const ListSource& l = *item.list;
            writeRecord(out_, next_++, l.name, ControlKind::InfoList, [&](Writer& w) {
                w.property(PropertyCode::Bounds), w.i16(l.left), w.i16(l.top), w.i16(l.width),
                    w.i16(l.height);
                writeColour(w, PropertyCode::BackColor, l.backColor, colour::kWindowBackground);
                writeColour(w, PropertyCode::ForeColor, l.foreColor, colour::kWindowText);
                if (!l.visible)
                    w.property(PropertyCode::Visible), w.u8(0);
                w.property(PropertyCode::TabIndex), w.u16(std::uint32_t(l.tabIndex));
                writeExtras(w, scene_, l.name);
            });
            return;
        }
        const PortraitSource& p = *item.portrait;
        const PortraitLook look = lookOf(p.style);
        writeRecord(out_, next_++, p.name, ControlKind::Portrait, [&](Writer& w) {
            w.property(PropertyCode::Bounds), w.i16(p.left), w.i16(p.top), w.i16(p.width),
                w.i16(p.height);
            writeColour(w, PropertyCode::BackColor, look.back, colour::kButtonFace);
            writeColour(w, PropertyCode::ForeColor, look.fore, colour::kButtonText);
            writePicture(w, PropertyCode::Picture, pictures_(scene_.window.name, p.name));
            if (!look.threeD)
                w.property(PropertyCode::Appearance), w.u8(0);
            if (!p.visible)
                w.property(PropertyCode::Visible), w.u8(0);
            w.property(PropertyCode::TabIndex), w.u16(std::uint32_t(p.tabIndex));
            w.property(PropertyCode::FixedValue), w.u32(kFixedValue);
            writeExtras(w, scene_, p.name);
        });
        writeChildren(p.name);
    }

    // The controls that a container holds: windowed ones first, then lines, each list framed
    // by the first-child and end markers and its members parted by the next-sibling marker.
    void writeChildren(std::string_view container) {
        const auto windowed = windowedIn(container);
        const auto lines = linesIn(container);
        if (windowed.empty() && lines.empty())
            return;
        out_.u8(kFirstChild);
        bool first = true;
        for (const auto& child : windowed) {
            if (!std::exchange(first, false))
                out_.u8(kNextSibling);
            writeWindowed(child);
        }
        for (const LineSource* line : lines) {
            if (!std::exchange(first, false))
                out_.u8(kNextSibling);
            writeLine(*line);
        }
        out_.u8(kEndOfChildren);
    }

    void writeLine(const LineSource& l) {
        writeRecord(out_, next_++, l.name, ControlKind::Line, [&](Writer& w) {
            w.property(PropertyCode::EndPoints), w.i32(l.x1), w.i32(l.y1), w.i32(l.x2), w.i32(l.y2);
            writeColour(w, PropertyCode::BorderColor, l.borderColor, colour::kWindowText);
            if (!l.visible)
                w.property(PropertyCode::Visible), w.u8(0);
        });
    }

    const SceneSource& scene_;
    const PictureLookup& pictures_;
    Writer out_;
    int next_ = 1;
};

// ---- decoding --------------------------------------------------------------------------

class Decoder {
public:
    Decoder(QByteArrayView bytes, const QString& scene) : bytes_(bytes), scene_(scene) {}

    Scene decode() {
        Scene scene;
        scene.window = readRecord(0);
        if (scene.window.kind != ControlKind::Window)
            fail(recordStart_, QStringLiteral("the first record is not a window"));
        std::uint8_t marker = readMarker();
        if (marker == kFirstChild) {
            readChildren(scene, 0, 1);
            marker = readMarker();
        }
        if (marker != kEndOfWindow)
            fail(pos_ - 1,
                 QStringLiteral("expected the end of the window, found marker %1").arg(marker));
        if (pos_ != bytes_.size())
            fail(pos_, QStringLiteral("bytes after the end of the window"));
        validate(scene);
        return scene;
    }

private:
    [[noreturn]] void fail(qsizetype offset, const QString& reason) const {
        throw SceneFormatError(scene_, record_, offset, reason);
    }

    void need(qsizetype count, qsizetype limit, const char* what) const {
        if (count < 0 || pos_ + count > limit)
            fail(pos_,
                 QStringLiteral("%1 runs past the end of the %2")
                     .arg(QLatin1String(what), limit == bytes_.size() ? QStringLiteral("scene")
                                                                      : QStringLiteral("record")));
    }
    std::uint32_t u8(qsizetype limit, const char* what) {
        need(1, limit, what);
        return std::uint8_t(bytes_[pos_++]);
    }
    std::uint32_t u16(qsizetype limit, const char* what) {
        need(2, limit, what);
        const auto v = qFromLittleEndian<quint16>(bytes_.data() + pos_);
        pos_ += 2;
        return v;
    }
    std::uint32_t u32(qsizetype limit, const char* what) {
        need(4, limit, what);
        const auto v = qFromLittleEndian<quint32>(bytes_.data() + pos_);
        pos_ += 4;
        return v;
    }
    std::int32_t i16(qsizetype limit, const char* what) {
        return std::int16_t(std::uint16_t(u16(limit, what)));
    }
    std::int32_t i32(qsizetype limit, const char* what) { return std::int32_t(u32(limit, what)); }

    std::uint8_t readMarker() { return std::uint8_t(u8(bytes_.size(), "a structure marker")); }

    void readChildren(Scene& scene, int container, int depth) {
        if (depth > kMaxNesting)
            fail(pos_, QStringLiteral("controls nested too deeply"));
        for (;;) {
            const int index = int(scene.controls.size()) + 1;
            SceneRecord record = readRecord(index);
            if (record.kind == ControlKind::Window)
                fail(recordStart_, QStringLiteral("a window record inside a window"));
            record.container = container;
            scene.controls.push_back(std::move(record));
            std::uint8_t marker = readMarker();
            if (marker == kFirstChild) {
                if (scene.controls.back().kind != ControlKind::Portrait)
                    fail(pos_ - 1, QStringLiteral("%1 contains controls but is not a portrait")
                                       .arg(scene.controls.back().name));
                readChildren(scene, index, depth + 1);
                marker = readMarker();
            }
            if (marker == kEndOfChildren)
                return;
            if (marker != kNextSibling)
                fail(pos_ - 1, QStringLiteral("unknown structure marker %1").arg(marker));
        }
    }

    SceneRecord readRecord(int expectedIndex) {
        record_ = expectedIndex;
        recordStart_ = pos_;
        offsets_.push_back(pos_);
        const std::uint32_t size = u32(bytes_.size(), "the record size");
        if (qsizetype(size) > bytes_.size() - pos_)
            fail(recordStart_, QStringLiteral("the record size %1 overruns the scene").arg(size));
        const qsizetype end = pos_ + qsizetype(size);

        const int index = int(u8(end, "the control index"));
        if (index != expectedIndex)
            fail(pos_ - 1,
                 QStringLiteral("control index %1 where %2 belongs").arg(index).arg(expectedIndex));
        const qsizetype nameLength = u16(end, "the name length");
        need(nameLength + 1, end, "the name");
        const QString name = QString::fromLatin1(bytes_.data() + pos_, nameLength);
        pos_ += nameLength;
        if (bytes_[pos_++] != 0)
            fail(pos_ - 1, QStringLiteral("the name is not terminated"));
        if (name.isEmpty())
            fail(pos_, QStringLiteral("a control without a name"));

        const std::uint32_t kindByte = u8(end, "the kind");
        ControlKind kind{};
        switch (kindByte) {
        case 13:
            kind = ControlKind::Window;
            break;
        case 0:
            kind = ControlKind::Portrait;
            break;
        case 8:
            kind = ControlKind::InfoList;
            break;
        case 23:
            kind = ControlKind::Line;
            break;
        default:
            fail(pos_ - 1, QStringLiteral("unknown kind %1").arg(kindByte));
        }
        SceneRecord r = defaultRecord(kind);
        r.index = index;
        r.name = name;

        for (;;) {
            if (pos_ >= end)
                fail(pos_, QStringLiteral("the properties of %1 have no terminator").arg(name));
            const qsizetype at = pos_;
            const std::uint8_t code = std::uint8_t(u8(end, "a property code"));
            if (code == std::uint8_t(PropertyCode::End))
                break;
            const PropertyInfo* info = findProperty(code);
            if (!info)
                fail(at, QStringLiteral("unknown property code 0x%1")
                             .arg(code, 2, 16, QLatin1Char('0')));
            if (!(info->kinds & kindBit(kind)))
                fail(at, QStringLiteral("property %1 does not belong to a %2")
                             .arg(QLatin1String(info->name.data(), qsizetype(info->name.size())),
                                  interfaceName(kind)));
            readValue(r, *info, end);
        }
        if (pos_ != end)
            fail(pos_, QStringLiteral("bytes after the terminator of %1").arg(name));
        return r;
    }

    void readValue(SceneRecord& r, const PropertyInfo& info, qsizetype end) {
        switch (info.code) {
        case PropertyCode::Caption: {
            const qsizetype length = u16(end, "the caption length");
            need(length, end, "the caption");
            r.caption = QString::fromLatin1(bytes_.data() + pos_, length);
            pos_ += length;
            return;
        }
        case PropertyCode::BackColor:
            r.backColor = u32(end, "BackColor");
            return;
        case PropertyCode::ForeColor:
            r.foreColor = u32(end, "ForeColor");
            return;
        case PropertyCode::BorderColor:
            r.borderColor = u32(end, "BorderColor");
            return;
        case PropertyCode::Picture:
        case PropertyCode::Icon: {
            const qsizetype start = pos_;
            const std::uint32_t n = u32(end, "the picture record");
            need(qsizetype(n), end, "the picture record");
            pos_ += qsizetype(n);
            (info.code == PropertyCode::Picture ? r.picture : r.icon) =
                QByteArray(bytes_.data() + start, pos_ - start);
            return;
        }
        case PropertyCode::BorderStyle: {
            const auto style = u8(end, "BorderStyle");
            if (style != 2 && style != 3 && style != 5)
                fail(pos_ - 1, QStringLiteral("unknown border style %1").arg(style));
            r.borderStyle = BorderStyle(style);
            return;
        }
        case PropertyCode::MinButton:
            r.minButton = u8(end, "MinButton") != 0;
            return;
        case PropertyCode::MaxButton:
            r.maxButton = u8(end, "MaxButton") != 0;
            return;
        case PropertyCode::ShowInTaskbar:
            r.showInTaskbar = u8(end, "ShowInTaskbar") != 0;
            return;
        case PropertyCode::ClientLeft:
            r.clientLeft = i32(end, "ClientLeft");
            return;
        case PropertyCode::ClientTop:
            r.clientTop = i32(end, "ClientTop");
            return;
        case PropertyCode::ClientWidth:
            r.clientWidth = i32(end, "ClientWidth");
            return;
        case PropertyCode::ClientHeight:
            r.clientHeight = i32(end, "ClientHeight");
            return;
        case PropertyCode::Bounds:
            r.left = i16(end, "Left"), r.top = i16(end, "Top");
            r.width = i16(end, "Width"), r.height = i16(end, "Height");
            return;
        case PropertyCode::Appearance:
            r.threeD = u8(end, "the appearance") != 0;
            return;
        case PropertyCode::Visible:
            r.visible = u8(end, "Visible") != 0;
            return;
        case PropertyCode::TabIndex:
            r.tabIndex = int(u16(end, "TabIndex"));
            return;
        case PropertyCode::EndPoints:
            r.x1 = i32(end, "X1"), r.y1 = i32(end, "Y1"), r.x2 = i32(end, "X2"),
            r.y2 = i32(end, "Y2");
            return;
        case PropertyCode::ExtraColour:
            r.extraColour = u32(end, "a window colour");
            return;
        case PropertyCode::ExtraFlag:
            r.extraFlag = std::uint8_t(u8(end, "a flag"));
            return;
        case PropertyCode::FixedValue:
            r.fixedValue = u32(end, "the fixed value");
            return;
        case PropertyCode::ListSettings:
            r.listSettings = u32(end, "the list settings");
            return;
        case PropertyCode::End:
            return;
        }
    }

    void validate(const Scene& scene) {
        QSet<QString> names;
        std::vector<int> tabIndices;
        const SceneRecord& w = scene.window;
        record_ = 0;
        if (w.clientWidth <= 0 || w.clientHeight <= 0)
            fail(offsets_[0], QStringLiteral("the window has no client area"));
        names.insert(w.name.toCaseFolded());
        for (const auto& c : scene.controls) {
            record_ = c.index;
            if (names.contains(c.name.toCaseFolded()))
                fail(offsets_[std::size_t(c.index)],
                     QStringLiteral("the name %1 is used twice").arg(c.name));
            names.insert(c.name.toCaseFolded());
            if (c.kind == ControlKind::Portrait || c.kind == ControlKind::InfoList) {
                if (c.tabIndex < 0)
                    fail(offsets_[std::size_t(c.index)],
                         QStringLiteral("%1 has no TabIndex").arg(c.name));
                tabIndices.push_back(c.tabIndex);
            }
            // Where the control stands in the window's client area, in twips.
            Twips originX = 0, originY = 0;
            for (int at = c.container; at != 0;
                 at = scene.controls[std::size_t(at - 1)].container) {
                const SceneRecord& holder = scene.controls[std::size_t(at - 1)];
                const Twips border = (holder.threeD ? 2 : 1) * kTwipsPerPixel;
                originX += holder.left + border;
                originY += holder.top + border;
            }
            auto inside = [&](Twips x, Twips y) {
                return x >= 0 && y >= 0 && x <= w.clientWidth && y <= w.clientHeight;
            };
            const bool ok =
                c.kind == ControlKind::Line
                    ? inside(originX + c.x1, originY + c.y1) &&
                          inside(originX + c.x2, originY + c.y2)
                    : c.width >= 0 && c.height >= 0 && inside(originX + c.left, originY + c.top) &&
                          inside(originX + c.left + c.width, originY + c.top + c.height);
            if (!ok)
                fail(offsets_[std::size_t(c.index)],
                     QStringLiteral("%1 lies outside the client area").arg(c.name));
        }
        std::ranges::sort(tabIndices);
        for (std::size_t i = 0; i < tabIndices.size(); ++i) {
            if (tabIndices[i] != int(i)) {
                record_ = 0;
                fail(0, QStringLiteral("the TabIndex values are not exactly 0 to %1")
                            .arg(tabIndices.size() - 1));
            }
        }
    }

    QByteArrayView bytes_;
    QString scene_;
    qsizetype pos_ = 0;
    int record_ = 0;
    qsizetype recordStart_ = 0;
    std::vector<qsizetype> offsets_; // where each record starts, by index
};

} // namespace

SceneFormatError::SceneFormatError(const QString& scene, int record, qsizetype offset,
                                   const QString& reason)
    : std::runtime_error(QStringLiteral("scene %1, record %2, byte %3: %4")
                             .arg(scene)
                             .arg(record)
                             .arg(offset)
                             .arg(reason)
                             .toStdString()),
      reason_(reason), offset_(offset) {}

QByteArray encodeScene(const SceneSource& source, const PictureLookup& pictures) {
    return Encoder(source, pictures).encode();
}

Scene decodeScene(QByteArrayView bytes, const QString& sceneName) {
    return Decoder(bytes, sceneName).decode();
}

} // namespace fg
