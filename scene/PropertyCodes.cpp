#include "scene/PropertyCodes.h"

#include <array>

namespace fg {
namespace {

constexpr unsigned kWindow = kindBit(ControlKind::Window);
constexpr unsigned kPortrait = kindBit(ControlKind::Portrait);
constexpr unsigned kList = kindBit(ControlKind::InfoList);
constexpr unsigned kLine = kindBit(ControlKind::Line);

// clang-format off
constexpr std::array<PropertyInfo, 23> kProperties = {{
    {PropertyCode::Caption,       "Caption",       ValueEncoding::Text,     kWindow},
    {PropertyCode::BackColor,     "BackColor",     ValueEncoding::Colour,   kWindow | kPortrait | kList},
    {PropertyCode::ForeColor,     "ForeColor",     ValueEncoding::Colour,   kPortrait | kList},
    {PropertyCode::Picture,       "Picture",       ValueEncoding::Picture,  kWindow | kPortrait},
    {PropertyCode::Icon,          "Icon",          ValueEncoding::Picture,  kWindow},
    {PropertyCode::BorderStyle,   "BorderStyle",   ValueEncoding::Byte,     kWindow},
    {PropertyCode::MinButton,     "MinButton",     ValueEncoding::Byte,     kWindow},
    {PropertyCode::MaxButton,     "MaxButton",     ValueEncoding::Byte,     kWindow},
    {PropertyCode::ShowInTaskbar, "ShowInTaskbar", ValueEncoding::Byte,     kWindow},
    {PropertyCode::ClientLeft,    "ClientLeft",    ValueEncoding::Int32,    kWindow},
    {PropertyCode::ClientTop,     "ClientTop",     ValueEncoding::Int32,    kWindow},
    {PropertyCode::ClientWidth,   "ClientWidth",   ValueEncoding::Int32,    kWindow},
    {PropertyCode::ClientHeight,  "ClientHeight",  ValueEncoding::Int32,    kWindow},
    {PropertyCode::Bounds,        "Bounds",        ValueEncoding::Rect16,   kPortrait | kList},
    {PropertyCode::Appearance,    "Appearance",    ValueEncoding::Byte,     kPortrait},
    {PropertyCode::Visible,       "Visible",       ValueEncoding::Byte,     kPortrait | kList | kLine},
    {PropertyCode::TabIndex,      "TabIndex",      ValueEncoding::UInt16,   kPortrait | kList},
    {PropertyCode::EndPoints,     "EndPoints",     ValueEncoding::Points32, kLine},
    {PropertyCode::BorderColor,   "BorderColor",   ValueEncoding::Colour,   kLine},
    {PropertyCode::ExtraColour,   "ExtraColour",   ValueEncoding::Colour,   kWindow},
    {PropertyCode::ExtraFlag,     "ExtraFlag",     ValueEncoding::Byte,     kWindow | kPortrait},
    {PropertyCode::FixedValue,    "FixedValue",    ValueEncoding::UInt32,   kWindow | kPortrait},
    {PropertyCode::ListSettings,  "ListSettings",  ValueEncoding::UInt32,   kList},
}};
// clang-format on

} // namespace

std::span<const PropertyInfo> propertyTable() {
    return kProperties;
}

const PropertyInfo* findProperty(std::uint8_t code) {
    for (const auto& info : kProperties)
        if (static_cast<std::uint8_t>(info.code) == code)
            return &info;
    return nullptr;
}

} // namespace fg
