#pragma once
// PoE values as the pages show them, and the checks of the power values the operator types.

#include <QString>

#include <optional>
#include <string_view>

// Port table columns as list texts: state "1" Enable, anything else Disable; priority 1 Low,
// 2 Normal, anything else High; class limit 1 Auto, 2-5 Class 1-4 (other values as received).
QString PoeStateText(std::string_view value);
QString PoePriorityText(std::string_view value);
QString PoeClassLimitText(std::string_view value);

// A decimal number as typed ("15", "15.4", "15.40"), in whole tenths of a watt; nullopt for
// any other text and for values that are not whole tenths.
std::optional<long long> WattsInTenths(const QString& text);

// A per-port power limit the switch takes: whole tenths of a watt, an even number of them
// (multiples of 0.2 W).
bool IsValidPortPowerLimit(const QString& watts);

// The system power threshold as a number, when the text is a plain decimal number.
std::optional<double> ThresholdWatts(const QString& text);
