#pragma once
// "Storm Control": one switch-wide limit on broadcast, multicast and unknown-unicast flooding,
// entered as a multiple N of the model's unit.

#include "CPageDialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

class CStormControlDlg : public CPageDialog {
    Q_OBJECT
public:
    enum ControlId {
        IdEnable = 1091,
        IdType = 1277,
        IdUnit = 1278,
        IdMultiple = 1279,
        IdThreshold = 1005,
        IdApply = 1276,
        IdRefresh = 1044,
        IdClose = 2,
    };

    CStormControlDlg();

protected:
    void read() override;
    void apply() override;

private:
    void showReply(const SnmpReply& reply);
    void enableFields(bool enabled);
    void showThreshold();

    int m_unit; // kbit/s
    // The values as last read: a write holds only what differs from them.
    std::string m_state, m_type, m_threshold;
    QCheckBox* m_enable;
    QComboBox* m_typeList;
    QLineEdit* m_multiple;
    QLineEdit* m_result;

    CCommonSNMP& m_cCommonSNMP = addSession("m_cCommonSNMP");
    CCommonSNMP& m_cCommonSNMPSet = addSession("m_cCommonSNMPSet");
};
