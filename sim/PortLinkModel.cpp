#include "PortLinkModel.h"

#include "SimOids.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace sim {

namespace {
constexpr uint32_t kMbit = 1000000;
constexpr int kSpeedDisable = 7, kSpeedAuto = 6;
constexpr int kMediaCopper = 1, kMediaComboCopper = 2, kMediaFibre100 = 3, kMediaFibre1000 = 4;

int operModeCode(uint32_t speed, bool fullDuplex)
{
    if (speed >= 1000 * kMbit)
        return 2;
    if (speed >= 100 * kMbit)
        return fullDuplex ? 3 : 4;
    return fullDuplex ? 5 : 6;
}
} // namespace

PortLinkModel::PortLinkModel(MibStore& store, PortLayout layout, Clock clock)
    : m_store(store), m_layout(layout), m_clock(std::move(clock)), m_ports(static_cast<size_t>(layout.portCount) + 1)
{
}

void PortLinkModel::capture()
{
    for (int p = 1; p <= m_layout.portCount; ++p) {
        PortState& s = m_ports[static_cast<size_t>(p)];
        const bool up = m_store.number(oids::ifCell(oids::IfOperStatus, p)).value_or(2) == 1;
        const auto speed = static_cast<uint32_t>(m_store.number(oids::ifCell(oids::IfSpeed, p)).value_or(0));
        s.cable = up;
        s.partnerSpeed = up && speed ? speed : (isCombo(p) ? 1000 * kMbit : 100 * kMbit);
        if (p <= m_layout.poePortCount) {
            s.poweredDevice = m_store.bytes(oids::poeCell(oids::PoeStatus, p)) == "POWER ON";
            s.power = m_store.bytes(oids::poeCell(oids::PoePower, p));
            s.voltage = m_store.bytes(oids::poeCell(oids::PoeVoltage, p));
            s.current = m_store.bytes(oids::poeCell(oids::PoeCurrent, p));
            s.classification = m_store.bytes(oids::poeCell(oids::PoeClass, p));
        }
    }
}

bool PortLinkModel::cableConnected(int port) const
{
    return valid(port) && m_ports[static_cast<size_t>(port)].cable;
}

void PortLinkModel::setCableConnected(int port, bool connected)
{
    if (!valid(port))
        return;
    m_ports[static_cast<size_t>(port)].cable = connected;
    render(port);
}

int PortLinkModel::media(int port) const
{
    return static_cast<int>(m_store.number(oids::portCell(oids::PortMedia, port)).value_or(kMediaCopper));
}

void PortLinkModel::setComboMedia(int port, int media)
{
    if (!isCombo(port) || media < kMediaComboCopper || media > kMediaFibre1000)
        return;
    m_store.setNumber(oids::portCell(oids::PortMedia, port), media);
    // A fibre module brings its own link partner.
    if (media != kMediaComboCopper)
        m_ports[static_cast<size_t>(port)].cable = true;
    render(port);
}

bool PortLinkModel::isUp(int port) const
{
    return valid(port) && m_store.number(oids::ifCell(oids::IfOperStatus, port)).value_or(2) == 1;
}

void PortLinkModel::settingWritten(const Oid& oid)
{
    auto portOf = [&](const Oid& prefix) -> int {
        return oid.size() == prefix.size() + 1 && startsWith(oid, prefix) ? static_cast<int>(oid.back()) : 0;
    };
    int port = portOf(concat(oids::ifEntry, {oids::IfAdminStatus}));
    if (!port && (port = portOf(oids::portColumn(oids::PortConfigSpeed)))) {
        // "Disable" as the port's speed switches the port off; any other speed switches it on.
        const auto configured = m_store.number(oid).value_or(kSpeedAuto);
        m_store.setNumber(oids::ifCell(oids::IfAdminStatus, port), configured == kSpeedDisable ? 2 : 1);
    }
    if (!port)
        port = portOf(oids::portColumn(oids::PortFlowControl));
    if (!port)
        port = portOf(concat(oids::poeColumn(oids::PoeState), {1}));
    if (valid(port))
        render(port);
}

uint32_t PortLinkModel::linkSpeed(int port, int configured, int media, bool& fullDuplex) const
{
    fullDuplex = true;
    if (media == kMediaFibre100)
        return 100 * kMbit;
    if (media == kMediaFibre1000)
        return 1000 * kMbit;
    const uint32_t maxSpeed = isCombo(port) ? 1000 * kMbit : 100 * kMbit;
    switch (configured) {
    case 1: return 1000 * kMbit <= maxSpeed ? 1000 * kMbit : 0; // no link on a fast-Ethernet port
    case 2: return 100 * kMbit;
    case 3: fullDuplex = false; return 100 * kMbit;
    case 4: return 10 * kMbit;
    case 5: fullDuplex = false; return 10 * kMbit;
    default: return std::min(m_ports[static_cast<size_t>(port)].partnerSpeed, maxSpeed);
    }
}

void PortLinkModel::render(int port)
{
    const PortState& s = m_ports[static_cast<size_t>(port)];
    const int configured = static_cast<int>(m_store.number(oids::portCell(oids::PortConfigSpeed, port)).value_or(kSpeedAuto));
    const bool enabled = m_store.number(oids::ifCell(oids::IfAdminStatus, port)).value_or(1) == 1 && configured != kSpeedDisable;
    bool fullDuplex = true;
    const uint32_t speed = linkSpeed(port, configured, media(port), fullDuplex);
    const bool up = enabled && s.cable && speed > 0;

    const Oid operOid = oids::ifCell(oids::IfOperStatus, port);
    const int oper = up ? 1 : 2;
    if (m_store.number(operOid).value_or(0) != oper) {
        m_store.setNumber(operOid, oper);
        m_store.setNumber(oids::ifCell(oids::IfLastChange, port), m_clock ? m_clock() : 0);
    }
    m_store.setNumber(oids::ifCell(oids::IfSpeed, port), up ? speed : 0);
    m_store.setNumber(oids::portCell(oids::PortOperMode, port), up ? operModeCode(speed, fullDuplex) : 1);
    const bool flowControl = m_store.number(oids::portCell(oids::PortFlowControl, port)).value_or(2) == 1;
    m_store.setNumber(oids::portCell(oids::PortOperFlowControl, port), up && flowControl ? 1 : 2);
    m_store.setNumber(oids::stpPortState(port), up ? 5 : 1); // forwarding : disabled
    if (port <= m_layout.poePortCount)
        renderPoe(port, up);
}

void PortLinkModel::renderPoe(int port, bool up)
{
    const PortState& s = m_ports[static_cast<size_t>(port)];
    const bool poeEnabled = m_store.number(oids::poeCell(oids::PoeState, port)).value_or(1) == 1;
    const bool powered = up && poeEnabled && s.poweredDevice;
    m_store.setBytes(oids::poeCell(oids::PoeStatus, port), powered ? "POWER ON" : "POWER OFF");
    m_store.setBytes(oids::poeCell(oids::PoePower, port), powered ? s.power : "0.0");
    m_store.setBytes(oids::poeCell(oids::PoeVoltage, port), powered ? s.voltage : "0.0");
    m_store.setBytes(oids::poeCell(oids::PoeCurrent, port), powered ? s.current : "0");
    m_store.setBytes(oids::poeCell(oids::PoeClass, port), powered ? s.classification : "N/A");
    updatePoeTotals();
}

void PortLinkModel::updatePoeTotals()
{
    // Power used, left and the share of the budget follow the ports' power.
    const std::string budgetText = m_store.bytes(oids::device({22, 4, 0}));
    if (budgetText.empty())
        return;
    double used = 0;
    for (int p = 1; p <= m_layout.poePortCount; ++p)
        used += std::strtod(m_store.bytes(oids::poeCell(oids::PoePower, p)).c_str(), nullptr);
    const double budget = std::strtod(budgetText.c_str(), nullptr);
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", used);
    m_store.setBytes(oids::device({22, 5, 0}), text);
    std::snprintf(text, sizeof text, "%.1f", budget - used);
    m_store.setBytes(oids::device({22, 6, 0}), text);
    std::snprintf(text, sizeof text, "%d", budget > 0 ? static_cast<int>(used * 100 / budget + 0.5) : 0);
    m_store.setBytes(oids::device({22, 7, 0}), text);
}

} // namespace sim
