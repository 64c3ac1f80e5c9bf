#pragma once
// "Power Saving Settings": switches the switch's power-saving functions (LED shut-off, port
// shut-off, system hibernation, and port standby where the model has it) on or off, binds each
// to up to two time profiles and to a set of ports, and the two detection switches of the models
// that have them. A summary lists what the switch holds.

#include "CPageDialog.h"
#include "CPowerSaveData.h"

#include <map>

class CListView;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;

class CPowerSavingDlg : public CPageDialog {
    Q_OBJECT
public:
    enum ControlId {
        IdCableLength = 1001,
        IdLinkStatus = 1002,
        IdType = 1004,
        IdProfile2 = 1005,
        IdProfile1 = 1006,
        IdState = 1007,
        IdPorts = 1008,
        IdSummary = 1010,
        IdAdvancedApply = 1011,
        IdRefresh = 1044,
        IdGlobalApply = 1079,
        IdClose = 1128,
    };

    CPowerSavingDlg();

protected:
    void read() override;

private:
    void readProfileNames();
    void showSummary();
    // Shows the chosen function as the switch holds it.
    void showType();
    void enableFields();
    int chosenType() const;
    void applyDetection();
    void applyFunction();
    // The ports typed for the chosen function as a PortList; false after the message.
    bool portsEntered(int type, std::string& octets);
    QString profileToWrite(const QComboBox* list) const;

    int m_portCount;
    bool m_hasStandby; // port standby and the detection switches
    CPowerSaveData m_data;
    std::map<int, PowerSavingRecord> m_records; // by type, as last read

    QGroupBox* m_detection;
    QCheckBox* m_cableLength;
    QCheckBox* m_linkStatus;
    QComboBox* m_type;
    QComboBox* m_state;
    QComboBox* m_profile1;
    QComboBox* m_profile2;
    QLineEdit* m_ports;
    CListView* m_summary;
};
