#pragma once
// "Add ARP Spoofing Prevention Entry": a gateway's address and MAC and the ports on which the
// switch protects it, one check box per port. Checked against the entries already listed and
// the aggregated links before the entry is created.

#include "ArpSpoofingEntry.h"
#include "CPortDataBase.h"
#include "CResizeDialog.h"

#include <vector>

class CIpAddressEdit;
class QCheckBox;
class QLineEdit;

class CArpSpoofingAddDlg : public CResizeDialog {
    Q_OBJECT
public:
    enum ControlId {
        IdFrame = 1130,
        IdIp = 1012,
        IdMac = 1139,
        IdPortsLabel = 1138,
        IdAllPorts = 1141,
        IdApply = 1000,
        IdCancel = 1025,
        IdFirstPortBox = 6001,
        IdFirstPortCaption = 7501,
    };

    // `listed`: the entries of the list page, for the duplicate checks.
    explicit CArpSpoofingAddDlg(std::vector<ArpSpoofingEntry> listed);

protected:
    void read() override;
    void apply() override;

private:
    // Apply's checks in their order; the first failure shows its message.
    bool passesChecks(const QString& ip, const QString& mac, const PortFlags& ports);
    PortFlags tickedPorts() const;
    void tickAll(bool ticked);

    int m_portCount;
    std::vector<ArpSpoofingEntry> m_listed;
    CPortDataBase m_data;
    CIpAddressEdit* m_ip;
    QLineEdit* m_mac;
    QCheckBox* m_allPorts;
    std::vector<QCheckBox*> m_portBoxes; // element p - 1 for port p
};
