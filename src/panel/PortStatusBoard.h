#pragma once
// What the polling found and the device window paints: one state code per port, the media each
// port runs on, reachability, LED mode, power budget, fan state and the blink phase. Applying a
// walk yields the states the panel's CPort objects take (0-based, panel order: the copper ports,
// then the fibre sides of the combo ports). GUI thread only.

#include "PollingRows.h"

#include <vector>

class PortStatusBoard {
public:
    enum Code { Slow = 0, FullSpeed = 1, AdminDown = 2, OperDown = 3 };
    // Ports beyond this are ignored (the state table's size).
    static constexpr int kMaxPorts = 99;

    struct Layout {
        int portCount = 28;
        int comboCount = 4;
        int comboIndex = 25; // first combo port
        bool allGiga = false;
        int poePortCount = 0;
    };
    struct ObjectState {
        int object;
        int state;
        bool operator==(const ObjectState&) const = default;
    };
    using ObjectStates = std::vector<ObjectState>;

    PortStatusBoard();
    explicit PortStatusBoard(Layout layout);

    const Layout& GetLayout() const { return m_layout; }

    // Every port to "down, or no answer yet".
    void ClearPortStates();
    ObjectStates ApplyLinkRows(const std::vector<LinkRow>& rows);
    ObjectStates ApplyPoeRows(const std::vector<PoeRow>& rows);
    // The device stopped answering (or a PoE model changed its LED mode): every port dark and
    // every port and fibre object disabled.
    ObjectStates ResetPortDisplay();
    // A walk got no answer: the first 48 port objects back to enabled, the next four empty.
    static ObjectStates ResetPanel(int objectCount);

    static int LinkState(const LinkRow& row, bool gigabitPort);
    static int PoeState(const std::string& status);

    // 1-based; OperDown outside 1..portCount.
    int PortState(int port) const;
    int MediaType(int port) const;
    // The object of the fibre side of a combo port, -1 for other ports.
    int FibreObject(int port) const;
    // Media 3 or 4 on a combo port: the port runs on its fibre side.
    bool RunsOnFibre(int port) const;
    int ObjectCount() const { return m_layout.portCount + m_layout.comboCount; }

    int reachable = 0;
    bool linkMode = true;
    bool powMax = false;
    int fanStatus = 1; // 1 normal, 2 failure
    int blinkPhase = 0;

private:
    bool IsPort(int port) const { return port >= 1 && port <= m_layout.portCount; }

    Layout m_layout;
    std::vector<int> m_states; // index = port number
    std::vector<int> m_media;  // index = port number - 1
};
