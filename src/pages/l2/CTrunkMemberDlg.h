#pragma once
// "Trunk member": the member ports of one aggregated link, a check box per port. Before they are
// written, the proposed members go through the aggregated-link rules (TrunkValid), whose reads
// must all have arrived: OK stays disabled until then, and after a failed read.

#include "CResizeDialog.h"
#include "TrunkValid.h"

#include <vector>

class QCheckBox;
class QLineEdit;

class CTrunkMemberDlg : public CResizeDialog {
    Q_OBJECT
public:
    enum ControlId {
        IdOk = 1,
        IdCancel = 2,
        IdTrunkId = 1003,
        IdMode = 1004,
        IdGroup = 1005,
        IdFirstBox = 2001,     // + port - 1
        IdFirstCaption = 2501, // + port - 1
    };

    // `members`: the link's present members as enumeration text ("17,18").
    CTrunkMemberDlg(const QString& trunkId, const QString& modeText, const QString& members);

protected:
    void read() override;

    CCommonSNMP& m_cCommonSNMPTrunk = addSession("m_cCommonSNMPTrunk");

private:
    void onOk();
    void checkAndWrite();
    PortFlags tickedPorts() const;

    int m_portCount;
    QString m_trunkId;
    QString m_modeText;
    QString m_members;
    TrunkValid m_valid;
    std::vector<QCheckBox*> m_boxes;
};
