#pragma once
// "UDP Service": the switch's UDP listeners.

#include "CMibTableDialog.h"

class CUdpServiceDlg : public CMibTableDialog {
    Q_OBJECT
public:
    explicit CUdpServiceDlg();

protected:
    void takeRow(const SnmpReply& row) override;
};
