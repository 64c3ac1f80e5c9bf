#pragma once
// The spanning-tree pages' objects (BRIDGE-MIB dot1dStp, values as decimal text), how their
// values are shown, and the checks of the bridge timers.

#include "SnmpReply.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <string_view>

namespace stp {

// dot1dStp scalars (".0" included) and dot1dStpPortTable columns (no index).
std::string scalar(int object);
std::string portColumn(int column);
enum Scalar {
    Priority = 2,
    TimeSinceTopologyChange = 3,
    TopChanges = 4,
    DesignatedRoot = 5,
    RootPort = 7,
    HelloTime = 9,
    HoldTime = 10,
    ForwardDelay = 11,
    BridgeMaxAge = 12,
    BridgeHelloTime = 13,
    BridgeForwardDelay = 14,
};
enum PortColumn {
    PortNumber = 1,
    PortPriority = 2,
    PortState = 3,
    PortEnable = 4,
    PortPathCost = 5,
    PortDesignatedRoot = 6,
    PortDesignatedCost = 7,
    PortDesignatedBridge = 8,
    PortDesignatedPort = 9,
    PortForwardTransitions = 10,
};

// The widest identifier text, for sizing the fields and columns that show one.
inline constexpr const char* WidestIdentifierText = "80:00:00:1E:58:4C:20:00";

// A bridge ID: 8 octets as "80:00:00:1E:58:4C:20:00"; other lengths as received.
QString BridgeIdText(std::string_view octets);
// A bridge or port ID in the port table: 8 octets as a bridge ID, 2 octets as "80 05" (a port
// ID, priority byte first); others as received.
QString IdentifierText(std::string_view octets);
// 1 "Disabled", 2 "Blocked", 3 "Monitored", 4 "Learn", 5 "Forward", 6 "Token"; others as received.
QString PortStateText(const std::string& value);

// One row of the Spanning Tree Table, from a walk of the port columns in the order .1, .2, .5,
// .4, .3, .6, .7, .8, .9, .10 (values missing from a short answer stay empty).
struct PortRow {
    int port = 0; // 0 when the port number is not one
    QString portText;
    QString priority;
    QString pathCost;
    bool enabled = false;
    QString state;
    QString designatedRoot;
    QString designatedCost;
    QString designatedBridge;
    QString designatedPort;
    QString forwardTransitions;

    static PortRow from(const SnmpReply& row);
    // The list's cells: Port, Priority, Cost, Enable ("Y"/"N"), Status, Designated Root,
    // Designated Cost, Designated Bridge, Designated Port, Forwardings.
    QStringList cells() const;
};

// The bridge timers in hundredths of a second; nullopt for text that is no number.
struct BridgeTimers {
    std::optional<long long> maxAge;
    std::optional<long long> forwardDelay;
    std::optional<long long> helloTime;
};
// The message of the first timer check that fails (the three ranges, then Hello against Max Age,
// then Max Age against Forward Delay); empty when all hold.
QString BridgeTimerError(const BridgeTimers& timers);

// A priority typed into an editable list: a whole decimal number 0 ... max (blanks around it
// allowed); nullopt otherwise.
std::optional<int> PriorityValue(const QString& text, int max);

} // namespace stp
