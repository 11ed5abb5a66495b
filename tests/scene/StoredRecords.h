#pragma once
// Reads where the records, markers and properties of a stored scene lie, so that a test can
// check what a record stores and damage one field of it. Assumes well-formed bytes.

#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <vector>

namespace fg::test {

struct StoredProperty {
    std::uint8_t code;
    qsizetype at; // offset of the code byte
};

struct StoredRecord {
    QString name;
    int index;
    qsizetype start;  // the size field
    qsizetype nameAt; // the name's length field
    qsizetype kindAt; // the kind byte
    qsizetype end;    // one past the terminator; the next marker stands here
    std::vector<StoredProperty> properties;

    qsizetype terminatorAt() const { return end - 1; }
    bool stores(std::uint8_t code) const;
    const StoredProperty& property(std::uint8_t code) const;
};

struct StoredRecords {
    std::vector<StoredRecord> records; // in stored order
    const StoredRecord& operator[](const QString& name) const;
};

StoredRecords readRecords(QByteArrayView bytes);

} // namespace fg::test
