#pragma once
// Port sets as the operator reads and types them, and their PortList wire form (one bit per
// port, bit 7 of octet 0 = port 1).
//
// Port enumeration text: "1,2,5". Port range text: "1-3,5,7-8". Port-list text (typed):
// comma-separated port numbers and ranges a-b.

#include "PortFlags.h"

#include <QString>

#include <string_view>
#include <vector>

struct PortText {
    QString text;
    int count = 0; // ports named in the text

    bool operator==(const PortText&) const = default;
};

// Every member port of a PortList, ascending, wherever its bit lies (also beyond N).
std::vector<int> PortListMembers(std::string_view octets);

// The members found in the first ceil(portCount / 8) octets (fewer when the value is shorter),
// as enumeration text. Bits of the last octet beyond portCount still count.
PortText PortListToText(std::string_view octets, int portCount);

// The members from lowestPort to highestPort (inclusive) as range text; count = ports included.
PortText PortListToRangeText(std::string_view octets, int lowestPort, int highestPort);

// Port hex text (one digit per four ports, first port = 8) as enumeration text. Characters that
// are not hexadecimal digits are skipped without taking a group of four ports.
PortText HexDigitsToPortText(std::string_view hexText);

// Operator's port-list text into flags (N = flags.size()): every listed port set to 1. A number
// outside 1 ... N shows "Invalid Portlist" and fails; ports selected before it stay selected.
// A range a-b with a > b selects nothing. Empty text succeeds.
bool ParsePortListText(const QString& text, PortFlags& flags);

// Stores value for each port number of an enumeration text (no ranges); numbers outside
// 1 ... perPort.size() are ignored.
void MarkListedPorts(const QString& enumerationText, std::vector<int>& perPort, int value);

// False when the text holds an ASCII letter or one of ~!@#$%^&*{}[]|\:;'<>.?/`"
bool IsPortListChars(const QString& text);
