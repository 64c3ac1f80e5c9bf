#pragma once
// "Add VLAN" / "Edit VLAN": the name, the VLAN ID and, for every port, one of three choices:
// tagged member, untagged member or not a member (three boxes per port that act as one).
//
// The write takes the VLAN's row out of service (or creates it), widens its egress ports to every
// port so the untagged set always lies inside them, writes the untagged and egress sets and the
// name, and makes the row active. It stops at the first refused or unanswered step and puts the
// switch back (VlanPutBackSteps): a row this dialog created is destroyed; an edited VLAN gets its
// name and port sets as read and is made active again. The dialog then stays open with the VLAN
// read again.

#include "CPortDataBase.h"
#include "CResizeDialog.h"
#include "VlanRecord.h"

#include <vector>

class QCheckBox;
class QLineEdit;

class CVlanEditDlg : public CResizeDialog {
    Q_OBJECT
public:
    enum ControlId {
        IdOk = 1,
        IdCancel = 2,
        IdName = 1053,
        IdVid = 1054,
        IdNameGroup = 1055,
        IdPortGroup = 1056,
        IdFirstUntag = 3001,   // + port - 1
        IdFirstTag = 3501,     // + port - 1
        IdFirstNotMember = 4001, // + port - 1
        IdFirstCaption = 4501, // + port - 1
    };
    enum class Mode { Add, Edit };

    // `vid`: the VLAN edited (unused when adding); `records`: the VLANs the list holds;
    // `asymmetric`: asymmetric VLAN is enabled (a port may then be untagged in several VLANs).
    CVlanEditDlg(Mode mode, int vid, VlanRecords records, bool asymmetric);

protected:
    void read() override;

private:
    enum Kind { Tag, Untag, NotMember };
    struct PortChoice {
        int egress = 0;
        int untagged = 0;
        int notMember = 1;
    };

    void buildPortBoxes();
    void loadRecord(const VlanRecord& record);
    void countUntaggedElsewhere();
    void onBoxClicked(int port, Kind kind);
    void showPort(int port);
    void onOk();
    bool passesChecks(long long vid);
    std::vector<SetRequest> writeSteps(int vid, const std::string& name) const;
    void rereadVlan(int vid);
    PortFlags flagsOf(int PortChoice::*member) const;

    Mode m_mode;
    int m_vid;
    VlanRecords m_records;
    bool m_asymmetric;
    int m_portCount;
    CPortDataBase m_data;
    VlanRecord m_before; // the edited VLAN as read: what a failed edit puts back
    std::vector<PortChoice> m_ports;
    std::vector<int> m_untaggedElsewhere; // per port: the VLANs it is an untagged member of
    std::vector<QCheckBox*> m_tag, m_untag, m_notMember;
    QLineEdit* m_name;
    QLineEdit* m_vidEdit;
};
