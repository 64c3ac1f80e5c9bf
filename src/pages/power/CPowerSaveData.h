#pragma once
// The data object of the time profile and power saving pages: the sessions they read and write
// the switch through (with the aggregated-link walk of every port page) and the switch's objects
// behind them: the time-profile table and its requests. Each page runs the reads and writes
// through its own read gate and write.

#include "CPortDataBase.h"
#include "SetRequest.h"
#include "SnmpReply.h"
#include "TimeProfile.h"

#include <string>
#include <vector>

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
    std::vector<SetRequest> addProfile(const TimeProfile& profile) const;
    // DeleteProfile.
    SetRequest deleteProfile(int index) const;
};
