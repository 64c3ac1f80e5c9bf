#pragma once
// "TCP Service": the switch's TCP connections and listeners.

#include "CMibTableDialog.h"

class CTcpServiceDlg : public CMibTableDialog {
    Q_OBJECT
public:
    explicit CTcpServiceDlg();

protected:
    void takeRow(const SnmpReply& row) override;
};
