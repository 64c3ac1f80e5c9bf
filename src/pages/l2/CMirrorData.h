#pragma once
// The data behind "PortMirroringConfiguration": the mirroring state, the target port and, per
// port, whether its transmitted and received frames are copied to the target. Knows the
// aggregated links (the members of one link are sources in the same way or not at all) and
// builds the write in the order the switch takes it.

#include "CPortDataBase.h"
#include "SetRequest.h"
#include "SnmpReply.h"

#include <QString>

#include <string>
#include <vector>

class CMirrorData : public CPortDataBase {
public:
    // What is mirrored of one port.
    struct PortMode {
        bool tx = false;
        bool rx = false;
        bool operator==(const PortMode&) const = default;
    };
    struct Reading {
        bool enabled = false;
        QString target;              // as the switch reports it, 0 shown as 1
        std::vector<PortMode> ports; // element p - 1 for port p
    };

    CMirrorData(PageSessions& sessions, int portCount);

    // State, target and the two source lists, read together.
    static std::vector<std::string> objects();
    // The reading of an answer to objects(); keeps the state it reports for the next write.
    Reading take(const SnmpReply& reply);

    // True when the ports of every aggregated link are mirrored the same way (none included).
    bool linksAgree(const std::vector<PortMode>& ports) const;

    // The write: with mirroring on, the source lists are emptied first (when it was on already),
    // then the target and the new lists are set; the state always comes last.
    std::vector<SetRequest> writeRequests(bool enable, int target, const std::vector<PortMode>& ports) const;
    // What puts mirroring back after that write stopped once the source lists may have been
    // emptied (an unanswered step may have been taken): the target as read when it may have
    // changed, then the source lists as read. Nothing when the lists were not emptied, or when
    // only the state was left to write.
    std::vector<SetRequest> putBackRequests(bool enable, const WriteResult& result) const;

private:
    // As last read: the state ("1" enabled), the target and the two source lists.
    std::string m_lastState;
    std::string m_lastTarget;
    std::string m_lastIngress;
    std::string m_lastEgress;
};
