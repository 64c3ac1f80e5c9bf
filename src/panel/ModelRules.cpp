#include "ModelRules.h"

#include <array>
#include <string_view>

namespace ModelRules {

bool IsPoeModel(const std::string& deviceName)
{
    return deviceName.find_first_of("pP") != std::string::npos;
}

bool IsApModel(const std::string& deviceName)
{
    return deviceName == "SORVEX-AP" || deviceName == "SORVEX-AP B1";
}

bool IsEpModel(const std::string& deviceName)
{
    return deviceName == "SORVEX-EP" || deviceName == "SORVEX-EP B1";
}

int PoePortCount(const std::string& deviceName)
{
    if (IsApModel(deviceName))
        return 24;
    if (IsEpModel(deviceName))
        return 8;
    return 0;
}

bool IsFastEthernetFamily(const std::string& deviceName)
{
    static constexpr std::array<std::string_view, 5> kFamily = {"SORVEX-A", "SORVEX-AP", "SORVEX-B", "SORVEX-BP",
                                                                 "SORVEX-C"};
    const std::string_view name(deviceName);
    for (std::string_view model : kFamily) {
        if (name == model)
            return true;
        if (name.size() > model.size() + 1 && name.substr(0, model.size()) == model && name[model.size()] == ' ')
            return true;
    }
    return false;
}

} // namespace ModelRules
