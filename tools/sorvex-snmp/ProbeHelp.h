#pragma once
// The text of `sorvex-snmp --help`.

#include <string>

std::string probeHelpText();
