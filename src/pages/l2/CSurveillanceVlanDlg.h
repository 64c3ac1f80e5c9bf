#pragma once
// "Auto Surveillance VLAN Settings": puts the traffic of IP cameras, encoders, recorders and
// video-management stations into one VLAN with a raised priority. The global settings (state,
// VLAN, priority, tagged uplink/downlink ports) and the user-defined devices, recognised by MAC
// address or OUI; two OUIs are built into the switch and cannot be deleted.

#include "CPageDialog.h"
#include "CPortDataBase.h"

#include <string>
#include <vector>

class CListView;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;

class CSurveillanceVlanDlg : public CPageDialog {
    Q_OBJECT
public:
    enum ControlId {
        IdEnable = 1214,
        IdVlanId = 1114,
        IdPriority = 219,
        IdUplinkPorts = 1113,
        IdApply = 1216,
        IdComponentType = 1218,
        IdDescription = 1005,
        IdAddressKind = 1112,
        IdAddress = 1212,
        IdAdd = 1001,
        IdList = 1209,
        IdDelete = 1003,
        IdRefresh = 1044,
        IdClose = 1128,
    };

    CSurveillanceVlanDlg();

protected:
    void read() override;
    void apply() override;

private:
    // One device of the table, as read.
    struct Device {
        std::string index;   // ".b1.b2.b3.b4.b5.b6"
        std::string address; // six octets
        QString description;
        int type = 0;
        bool builtIn = false;
    };

    void showGlobals(const SnmpReply& reply);
    void readTables();
    void takeDevice(const SnmpReply& row);
    void enableSettings(bool enabled);
    // Apply's checks in their order; the first failure shows its message. The PortList to
    // write comes back in `uplinkPorts`.
    bool passesChecks(std::string& uplinkPorts);
    // Add's checks in their order; `address` is the full address to add.
    bool passesDeviceChecks(const QString& address, const QString& description);
    void addDevice();
    void deleteDevice();
    int userDeviceCount() const;

    CPortDataBase m_data;
    CCommonSNMP& m_cCommonSNMPGet;
    CCommonSNMP& m_cCommonSNMPTable;

    // What the reads found.
    std::string m_state; // "1" enabled
    bool m_asymmetricVlan = false;
    bool m_voiceVlan = false;
    long long m_voiceVlanId = 0;
    std::vector<long long> m_vlanIds;
    std::vector<QString> m_voiceOuis; // six upper-case hex digits each
    std::vector<Device> m_devices;

    QCheckBox* m_enable;
    QLineEdit* m_vlanId;
    QComboBox* m_priority;
    QLineEdit* m_uplinkPorts;
    QGroupBox* m_userDefined;
    QComboBox* m_componentType;
    QLineEdit* m_description;
    QComboBox* m_addressKind;
    QLineEdit* m_address;
    CListView* m_list;
};
