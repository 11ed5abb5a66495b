#pragma once
// The property codes of the stored form, in one table: code byte, name, value encoding and
// the kinds of record that may carry the property.

#include "scene/Scene.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace fg {

enum class PropertyCode : std::uint8_t {
    End = 0x00, // terminates a record's properties
    Caption = 0x01,
    BackColor = 0x02,
    ForeColor = 0x03,
    Picture = 0x04,
    Icon = 0x05,
    BorderStyle = 0x06,
    MinButton = 0x07,
    MaxButton = 0x08,
    ShowInTaskbar = 0x09,
    ClientLeft = 0x0A,
    ClientTop = 0x0B,
    ClientWidth = 0x0C,
    ClientHeight = 0x0D,
    Bounds = 0x10, // Left, Top, Width, Height
    Appearance = 0x11,
    Visible = 0x12,
    TabIndex = 0x13,
    EndPoints = 0x14, // X1, Y1, X2, Y2
    BorderColor = 0x15,
    ExtraColour = 0x20,
    ExtraFlag = 0x21,
    FixedValue = 0x22,
    ListSettings = 0x23,
};

enum class ValueEncoding : std::uint8_t {
    Text,     // u16 length, Latin-1 characters
    Colour,   // u32
    Picture,  // a picture record: u32 n, then n bytes
    Byte,     // u8
    Int32,    // i32
    Rect16,   // 4 x i16
    Points32, // 4 x i32
    UInt16,   // u16
    UInt32,   // u32
};

struct PropertyInfo {
    PropertyCode code;
    std::string_view name;
    ValueEncoding encoding;
    unsigned kinds; // bit set of kindBit()
};

constexpr unsigned kindBit(ControlKind kind) {
    switch (kind) {
    case ControlKind::Window:
        return 1u;
    case ControlKind::Portrait:
        return 2u;
    case ControlKind::InfoList:
        return 4u;
    case ControlKind::Line:
        return 8u;
    }
    return 0u;
}

std::span<const PropertyInfo> propertyTable();
const PropertyInfo* findProperty(std::uint8_t code);

// The one fixed 4-byte value that every window and portrait record stores.
inline constexpr std::uint32_t kFixedValue = 0x00000001;

} // namespace fg
