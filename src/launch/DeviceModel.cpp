#include "DeviceModel.h"

#include "DeviceProfile.h"

#include <array>

namespace {

bool isFastEthernetFamily(std::string_view name)
{
    static constexpr std::array<std::string_view, 5> kFamily = {"SORVEX-A", "SORVEX-AP", "SORVEX-B", "SORVEX-BP",
                                                                 "SORVEX-C"};
    for (std::string_view model : kFamily) {
        if (name == model)
            return true;
        if (name.size() > model.size() + 1 && name.substr(0, model.size()) == model && name[model.size()] == ' ')
            return true;
    }
    return false;
}

} // namespace

DeviceModel::DeviceModel(std::string deviceName)
    : m_name(std::move(deviceName)),
      m_poe(m_name.find_first_of("pP") != std::string::npos),
      m_ap(m_name == "SORVEX-AP" || m_name == ApB1),
      m_ep(m_name == "SORVEX-EP" || m_name == EpB1),
      m_fastEthernet(isFastEthernetFamily(m_name))
{
}

DeviceModel DeviceModel::current()
{
    return DeviceModel(DeviceProfile::current().DeviceName);
}

bool DeviceModel::isOneOf(std::initializer_list<std::string_view> names) const
{
    for (std::string_view name : names)
        if (m_name == name)
            return true;
    return false;
}

int DeviceModel::poePortCount() const
{
    if (m_ap)
        return 24;
    if (m_ep)
        return 8;
    return 0;
}
