#pragma once
// The link side of the front-panel ports. Keeps the objects that describe a port's link
// consistent with each other: a port is up when it is enabled and a cable is plugged in; an up
// port runs at its configured or negotiated speed, a down port has no speed; the operating
// mode, operating flow control, spanning-tree state and PoE status follow.

#include "MibStore.h"

#include <cstdint>
#include <string>
#include <functional>
#include <vector>

namespace sim {

struct PortLayout {
    int portCount = 28;
    int firstComboPort = 25; // ports from here on are gigabit combo ports
    int poePortCount = 0;    // ports 1..N supply power
};

class PortLinkModel {
public:
    using Clock = std::function<uint32_t()>; // TimeTicks since start

    PortLinkModel(MibStore& store, PortLayout layout, Clock clock);

    // Takes cable presence, link partner speed and powered devices from the loaded values.
    void capture();

    const PortLayout& layout() const { return m_layout; }
    bool isCombo(int port) const { return port >= m_layout.firstComboPort && port <= m_layout.portCount; }
    bool cableConnected(int port) const;
    void setCableConnected(int port, bool connected);
    int media(int port) const;
    void setComboMedia(int port, int media); // 2 copper side, 3 100Base-X SFP, 4 1000Base-X SFP
    bool isUp(int port) const;

    // A manager wrote `oid`; re-derives the port it belongs to, if any.
    void settingWritten(const Oid& oid);

private:
    struct PortState {
        bool cable = false;
        uint32_t partnerSpeed = 100000000;
        bool poweredDevice = false;
        std::string power, voltage, current, classification;
    };

    void render(int port);
    uint32_t linkSpeed(int port, int configured, int media, bool& fullDuplex) const;
    void renderPoe(int port, bool up);
    void updatePoeTotals();
    bool valid(int port) const { return port >= 1 && port <= m_layout.portCount; }

    MibStore& m_store;
    PortLayout m_layout;
    Clock m_clock;
    std::vector<PortState> m_ports; // index 0 unused
};

} // namespace sim
