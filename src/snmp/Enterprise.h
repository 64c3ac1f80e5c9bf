#pragma once
// The device maker's private enterprise arc, fixed at build time.

#include <string>
#include <string_view>

namespace snmp {

#ifndef SORVEX_ENTERPRISE_NUMBER
#define SORVEX_ENTERPRISE_NUMBER 32473
#endif
#define SORVEX_STR2(x) #x
#define SORVEX_STR(x) SORVEX_STR2(x)

// "1.3.6.1.4.1.<number>"
inline constexpr const char* ENTERPRISE = "1.3.6.1.4.1." SORVEX_STR(SORVEX_ENTERPRISE_NUMBER);
// The device's own objects.
inline constexpr const char* DEVICE_MIB = "1.3.6.1.4.1." SORVEX_STR(SORVEX_ENTERPRISE_NUMBER) ".10.75.5.2";

// Replaces a leading "ENTERPRISE" with the numeric arc; other texts are returned as they are.
inline std::string expandEnterprise(std::string_view oid)
{
    constexpr std::string_view key = "ENTERPRISE";
    if (oid.substr(0, key.size()) == key && (oid.size() == key.size() || oid[key.size()] == '.'))
        return std::string(ENTERPRISE) + std::string(oid.substr(key.size()));
    return std::string(oid);
}

} // namespace snmp
