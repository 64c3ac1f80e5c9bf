#pragma once
// Model-dependent choices of the device window, made by comparing the profile's device name
// with the model texts (exact and case-sensitive unless said otherwise).

#include <string>

namespace ModelRules {

// Neither "p" nor "P" in the name: no PoE menu, no LLDP MED entry, link walks only.
bool IsPoeModel(const std::string& deviceName);
// "SORVEX-AP" / "SORVEX-AP B1".
bool IsApModel(const std::string& deviceName);
// "SORVEX-EP" / "SORVEX-EP B1".
bool IsEpModel(const std::string& deviceName);
// Ports 1..n that supply power: 24 on the AP models, 8 on the EP models, else 0.
int PoePortCount(const std::string& deviceName);
// SORVEX-A, -AP, -B, -BP, -C, alone or followed by a blank and a revision: no jumbo frames.
bool IsFastEthernetFamily(const std::string& deviceName);

} // namespace ModelRules
