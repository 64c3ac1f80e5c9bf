#pragma once
// "PVID Configuration": the port VLAN ID of every port, one edit box per port, written port by
// port. Opened from the 802.1Q VLAN list, whose records tell which VLANs exist and have members.
// Members of an aggregated link keep PVID 1.

#include "CPortDataBase.h"
#include "CResizeDialog.h"
#include "VlanRecord.h"

#include <optional>
#include <vector>

class QLineEdit;

class CPvidDlg : public CResizeDialog {
    Q_OBJECT
public:
    enum ControlId {
        IdApply = 1,
        IdCancel = 2,
        IdRefresh = 1044,
        IdGroup = 1058,
        IdFirstCaption = 4501, // + port - 1
        IdFirstEdit = 5001,    // + port - 1
    };

    explicit CPvidDlg(VlanRecords records);

protected:
    void read() override;
    void apply() override;

    CCommonSNMP& m_cCommonSNMPTable = addSession("m_cCommonSNMPTable");

private:
    void takePvid(const SnmpReply& row);
    void showPvids(int status);
    // The PVIDs in the boxes of the ports the last walk reported.
    std::vector<std::optional<long long>> enteredPvids() const;
    // Apply's checks in their order; the first failure shows its message.
    bool passesChecks(const std::vector<std::optional<long long>>& pvids);
    bool passesLinkCheck(const std::vector<std::optional<long long>>& pvids);

    int m_portCount;
    VlanRecords m_records;
    CPortDataBase m_data;
    // The PVID of each port as read; nullopt for a port the last walk did not report (its box
    // stays empty and disabled, and nothing is written for it).
    std::vector<std::optional<long long>> m_pvids;
    std::vector<QLineEdit*> m_edits;
};
