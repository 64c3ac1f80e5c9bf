#pragma once
// "Interface Table": ifIndex, link status and speed of every interface.

#include "CMibTableDialog.h"

class CInterfaceTableDlg : public CMibTableDialog {
    Q_OBJECT
public:
    explicit CInterfaceTableDlg();

protected:
    void takeRow(const SnmpReply& row) override;
};
