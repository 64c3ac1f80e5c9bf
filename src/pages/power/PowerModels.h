#pragma once
// The model names the power and discovery pages choose their behaviour by: the profile's
// DeviceName compared exactly.

#include "DeviceProfile.h"

#include <initializer_list>
#include <string_view>

namespace PowerModels {

inline constexpr std::string_view ApB1 = "SORVEX-AP B1";
inline constexpr std::string_view BpB1 = "SORVEX-BP B1";
inline constexpr std::string_view EpB1 = "SORVEX-EP B1";
inline constexpr std::string_view AB1 = "SORVEX-A B1";
inline constexpr std::string_view CB1 = "SORVEX-C B1";
inline constexpr std::string_view G = "SORVEX-G";
inline constexpr std::string_view H = "SORVEX-H";

// True when the current device is one of the models.
inline bool IsCurrentModel(std::initializer_list<std::string_view> models)
{
    const std::string& name = DeviceProfile::current().DeviceName;
    for (std::string_view model : models) {
        if (name == model)
            return true;
    }
    return false;
}

} // namespace PowerModels
