#pragma once
// The data object of the time profile and power saving pages: the sessions they read and write
// the switch through (with the aggregated-link walk of every port page) and the switch's objects
// behind them: the time-profile table, the power-saving functions and the detection switches,
// with their requests. Each page runs the reads and writes through its own read gate and write.

#include "CPortDataBase.h"
#include "NewTableRow.h"
#include "SetRequest.h"
#include "SnmpReply.h"
#include "TimeProfile.h"

#include <map>
#include <string>
#include <vector>

// One power-saving function as the switch reports it.
struct PowerSavingRecord {
    enum Type { LedShutoff = 1, PortShutoff = 2, PortStandby = 3, SystemHibernation = 4 };
    int type = LedShutoff;
    bool enabled = false;
    std::string ports; // PortList octets; none for system hibernation
    QString profile1;
    QString profile2;

    // "LED_Shutoff", "Port_Shutoff", "Port_Standby", "System_Hibernation".
    QString typeText() const;
    QString stateText() const;
    // The ports as port enumeration text; "All Port" for system hibernation.
    QString portText(int portCount) const;
};

class CPowerSaveData : public CPortDataBase {
public:
    CPowerSaveData(PageSessions& sessions, int portCount);

    static constexpr int maxProfiles = 8;

    // WalkProfiles: the columns of the time-profile table, and one walked row as a profile.
    std::vector<std::string> profileColumns() const;
    TimeProfile profileOf(const SnmpReply& row) const;
    // ReadProfileNames: the name column alone.
    std::string profileNameColumn() const;

    // AddProfile: the row is created waiting (alone), then its columns are written with the row
    // made active in the same request.
    NewTableRow profileRow(int index) const;
    std::vector<SetRequest> addProfile(const TimeProfile& profile) const;
    // DeleteProfile.
    SetRequest deleteProfile(int index) const;

    // ReadPowerSaving: LED shut-off, port shut-off and system hibernation, then, where the model
    // has them, port standby and the two detection switches.
    std::vector<std::string> powerSavingOids(bool withStandby) const;
    std::map<int, PowerSavingRecord> recordsOf(const SnmpReply& reply, bool withStandby) const;
    // The detection switches of that read (cable length, link status): "1" on.
    std::pair<bool, bool> detectionOf(const SnmpReply& reply) const;

    // SetPowerSaving: a function switched off is only its state; switched on its state, ports
    // (not for system hibernation), and profiles in the switch's column order (port standby:
    // state, profiles, ports).
    SetRequest setPowerSaving(const PowerSavingRecord& record) const;
    // SetDetection.
    SetRequest setDetection(bool cableLength, bool linkStatus) const;
};
