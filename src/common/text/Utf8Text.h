#pragma once
// Display strings the switch keeps as UTF-8 (system name and location, VLAN names, SNMP user
// names ...). Valid UTF-8 survives a read and a write-back byte for byte.

#include <QString>

#include <cstddef>
#include <string>
#include <string_view>

// The size of the text buffers the switch's objects are written from.
inline constexpr std::size_t Utf8TextBufferBytes = 128;

// Bytes from the switch as text. The text ends at the first NUL byte (padding); invalid
// sequences show as U+FFFD.
QString TextFromUtf8(std::string_view bytes);

// Text as UTF-8 for a buffer of bufferBytes: at most bufferBytes - 1 bytes, cut before a
// character that would not fit whole.
std::string TextToUtf8(const QString& text, std::size_t bufferBytes = Utf8TextBufferBytes);
