#pragma once
// Names the operator gives to things on the switch (VLANs, profiles, system name ...), and the
// OID index form of a text key.

#include <QString>

#include <string>
#include <string_view>

// False when the text holds one of ~`!@#$%^&*{}[]|\:;"'<>,.?/ (letters, digits, blanks and
// any other character pass). The calling page shows its own message.
bool IsValidNameText(const QString& text);

// The index of a text key of n bytes: ".n.b1.b2..." with every byte 0-255 in decimal
// ("ab" -> ".2.97.98").
std::string NameIndex(std::string_view keyBytes);
// The same for a key kept as text: its UTF-8 bytes, as the switch stores the name.
std::string NameIndex(const QString& key);
