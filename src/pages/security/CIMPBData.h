#pragma once
// The IP-MAC-port binding objects of the switch, for the four binding pages: what their walks
// read and how a row is taken in, and the requests of each write. Rows are addressed by the
// index they were read under.

#include "CPortDataBase.h"
#include "NewTableRow.h"
#include "SnmpReply.h"

#include <QString>

#include <string>
#include <vector>

class CIMPBData : public CPortDataBase {
public:
    CIMPBData(PageSessions& sessions, int portCount);

    // Per port: admin state, inspection and DHCP snooping, as the list shows them.
    struct PortSettings {
        QString port, admin, inspection, snooping;
    };
    // A host the switch found by a scan.
    struct ScanEntry {
        QString mac, vid, ip, port;
        bool bound = false;
        std::string index;
    };
    // A bound host; only active entries are listed.
    struct WhiteListEntry {
        QString ip, mac, ports;
        bool active = false;
        std::string index;
    };
    // A host the switch has blocked.
    struct BlackListEntry {
        QString mac, vid, port, ip;
        std::string index;
    };

    static std::vector<std::string> portSettingsColumns();
    static std::vector<std::string> scanColumns();
    static std::vector<std::string> whiteListColumns();
    static std::vector<std::string> blackListColumns();
    static PortSettings portSettings(const SnmpReply& row);
    static ScanEntry scanEntry(const SnmpReply& row);
    WhiteListEntry whiteListEntry(const SnmpReply& row) const;
    static BlackListEntry blackListEntry(const SnmpReply& row);

    // The scan range, then (after a pause) the scan command.
    static std::vector<SetRequest> startScan(const QString& from, const QString& to, int command);
    // A new white-list entry for ip and mac on `ports`: create, ports, active.
    static NewTableRow whiteListRow(const QString& ip, const QString& mac);
    static std::vector<SetRequest> addToWhiteList(const NewTableRow& row, const QString& ip, const QString& mac,
                                                  const PortFlags& ports);
    static SetRequest deleteFromWhiteList(const std::string& index);
    static SetRequest bindScanned(const std::string& index);
    static SetRequest deleteFromBlackList(const std::string& index);
    // One request per port from ... to: admin, inspection, snooping ("0" or "1" each).
    static std::vector<SetRequest> portSettingsWrite(int from, int to, int admin, int inspection, int snooping);

    // False when binding is being enabled (admin 1) on a range that holds a member of an
    // aggregated link.
    bool allowsBindingOn(int from, int to, int admin) const;
};
