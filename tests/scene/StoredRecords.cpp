#include "tests/scene/StoredRecords.h"

#include "scene/PropertyCodes.h"

#include <QtEndian>
#include <stdexcept>

namespace fg::test {
namespace {

qsizetype valueSize(QByteArrayView bytes, qsizetype at, ValueEncoding encoding) {
    switch (encoding) {
    case ValueEncoding::Text:
        return 2 + qFromLittleEndian<quint16>(bytes.data() + at);
    case ValueEncoding::Picture:
        return 4 + qsizetype(qFromLittleEndian<quint32>(bytes.data() + at));
    case ValueEncoding::Byte:
        return 1;
    case ValueEncoding::UInt16:
        return 2;
    case ValueEncoding::Colour:
    case ValueEncoding::Int32:
    case ValueEncoding::UInt32:
        return 4;
    case ValueEncoding::Rect16:
        return 8;
    case ValueEncoding::Points32:
        return 16;
    }
    throw std::logic_error("unknown value encoding");
}

StoredRecord readRecord(QByteArrayView bytes, qsizetype at) {
    StoredRecord r;
    r.start = at;
    r.end = at + 4 + qsizetype(qFromLittleEndian<quint32>(bytes.data() + at));
    r.index = std::uint8_t(bytes[at + 4]);
    r.nameAt = at + 5;
    const qsizetype length = qFromLittleEndian<quint16>(bytes.data() + r.nameAt);
    r.name = QString::fromLatin1(bytes.data() + r.nameAt + 2, length);
    r.kindAt = r.nameAt + 2 + length + 1;
    for (qsizetype p = r.kindAt + 1; std::uint8_t(bytes[p]) != 0;) {
        const PropertyInfo* info = findProperty(std::uint8_t(bytes[p]));
        if (!info)
            throw std::logic_error("unknown property code in well-formed bytes");
        r.properties.push_back({std::uint8_t(bytes[p]), p});
        p += 1 + valueSize(bytes, p + 1, info->encoding);
    }
    return r;
}

} // namespace

bool StoredRecord::stores(std::uint8_t code) const {
    for (const StoredProperty& p : properties)
        if (p.code == code)
            return true;
    return false;
}

const StoredProperty& StoredRecord::property(std::uint8_t code) const {
    for (const StoredProperty& p : properties)
        if (p.code == code)
            return p;
    throw std::logic_error("the record does not store that property");
}

const StoredRecord& StoredRecords::operator[](const QString& name) const {
    for (const StoredRecord& r : records)
        if (r.name == name)
            return r;
    throw std::logic_error("no stored record of that name");
}

StoredRecords readRecords(QByteArrayView bytes) {
    StoredRecords result;
    qsizetype at = 0;
    for (;;) {
        result.records.push_back(readRecord(bytes, at));
        at = result.records.back().end;
        // Markers until the next record (after 01 or 03) or the end of the window (04).
        std::uint8_t marker = 0;
        do
            marker = std::uint8_t(bytes[at++]);
        while (marker == 0x02);
        if (marker == 0x04)
            return result;
    }
}

} // namespace fg::test
