#pragma once
// What the model named in the profile can do, decided once from its DeviceName. Every choice the
// module makes by model goes through here, so a model rule lives in one place.

#include <initializer_list>
#include <string>
#include <string_view>

class DeviceModel {
public:
    // The model names some pages choose their behaviour by (compared exactly).
    static constexpr std::string_view AB1 = "SORVEX-A B1";
    static constexpr std::string_view ApB1 = "SORVEX-AP B1";
    static constexpr std::string_view BpB1 = "SORVEX-BP B1";
    static constexpr std::string_view CB1 = "SORVEX-C B1";
    static constexpr std::string_view EpB1 = "SORVEX-EP B1";
    static constexpr std::string_view G = "SORVEX-G";
    static constexpr std::string_view H = "SORVEX-H";

    explicit DeviceModel(std::string deviceName);
    // The model of the current profile (DeviceProfile::current()).
    static DeviceModel current();

    const std::string& name() const { return m_name; }
    // The name is exactly one of these.
    bool isOneOf(std::initializer_list<std::string_view> names) const;

    // A "p" or "P" in the name: PoE menu, LLDP MED entry, PoE lamps and traps.
    bool poe() const { return m_poe; }
    // "SORVEX-AP" / "SORVEX-AP B1" and "SORVEX-EP" / "SORVEX-EP B1".
    bool apFamily() const { return m_ap; }
    bool epFamily() const { return m_ep; }
    // Ports 1 ... n that supply power: 24 on the AP models, 8 on the EP models, else 0.
    int poePortCount() const;
    // SORVEX-A, -AP, -B, -BP, -C, alone or followed by a blank and a revision: no jumbo frames.
    bool fastEthernetFamily() const { return m_fastEthernet; }
    // The ARP spoofing table is created with createAndGo instead of createAndWait.
    bool arpRowsCreateAndGo() const { return m_name == BpB1; }

private:
    std::string m_name;
    bool m_poe, m_ap, m_ep, m_fastEthernet;
};
