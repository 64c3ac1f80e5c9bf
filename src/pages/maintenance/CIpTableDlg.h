#pragma once
// "IP Table": the switch's IP addresses and their netmasks.

#include "CMibTableDialog.h"

class CIpTableDlg : public CMibTableDialog {
    Q_OBJECT
public:
    explicit CIpTableDlg();

protected:
    void takeRow(const SnmpReply& row) override;
};
