#pragma once
// For page tests: .snmprec records of every per-port feature the aggregated-link rules compare,
// for `ports` ports that agree in all of them (every port learns addresses, no mirroring, no ACL
// or ARP entries, 802.1X, spanning tree and surveillance disabled), plus the aggregated links.
// Tests change single objects afterwards to make one rule refuse.

#include "DeviceOids.h"

#include <string>

inline std::string SwitchFeatureData(int ports, const std::string& linkMembersHex = "00000000")
{
    namespace deviceoid = snmp::deviceoid;
    auto number = [](const std::string& oid, long long value) { return oid + "|2|" + std::to_string(value) + "\n"; };
    auto cell = [&](const std::string& column, int port, long long value) {
        return number(column + "." + std::to_string(port), value);
    };
    std::string all(std::size_t((ports + 7) / 8) * 2, 'f');
    std::string none(all.size(), '0');
    std::string data;
    for (int p = 1; p <= ports; ++p) {
        for (int c : {2, 4, 5, 14, 16, 17, 18})
            data += cell(deviceoid::stpPortColumn(c), p, c == 4 ? 128 : 1);
        data += cell(deviceoid::dot1xPort, p, 3);
        data += cell(deviceoid::voicePortMode, p, 2);
        data += cell(deviceoid::surveillancePortState, p, 2);
        data += cell(deviceoid::surveillancePortMode, p, 1);
        data += cell(deviceoid::portColumn(deviceoid::PortConfigSpeed), p, 6);
        data += cell(deviceoid::portDefaultPriority, p, 1);
        data += deviceoid::portPvid + "." + std::to_string(p) + "|66|1\n";
        data += cell(deviceoid::portSecurity, p, 2);
        data += cell(deviceoid::portColumn(deviceoid::PortMedia), p, 1);
        data += cell(deviceoid::loopbackDetection, p, 2);
        data += cell(deviceoid::bandwidthColumn(deviceoid::BandwidthTransmit), p, 0);
        data += cell(deviceoid::bandwidthColumn(deviceoid::BandwidthReceive), p, 0);
    }
    data += deviceoid::linkMembers + ".1|4x|" + linkMembersHex + "\n";
    data += deviceoid::vlanColumn(deviceoid::VlanEgress) + ".1|4x|" + all + "\n";
    data += deviceoid::vlanColumn(deviceoid::VlanUntagged) + ".1|4x|" + all + "\n";
    data += deviceoid::mirrorSourcesIngress + "|4x|" + none + "\n";
    data += deviceoid::mirrorSourcesEgress + "|4x|" + none + "\n";
    data += deviceoid::learningPorts + "|4x|" + all + "\n";
    data += deviceoid::dhcpScreeningPorts + "|4x|" + none + "\n";
    data += number(deviceoid::mirrorState, 2);
    data += number(deviceoid::mirrorTarget, 1);
    data += number(deviceoid::dot1xState, 2);
    data += number(deviceoid::stpState, 2);
    data += number(deviceoid::surveillanceState, 2);
    return data;
}
