#pragma once
// "Forwarding Table": the learned and static MAC addresses with their status and port, shown
// for every port or only for the "Destination Port" typed in the filter, and the age time.

#include "CMibTableDialog.h"

class QLineEdit;

class CForwardingTableDlg : public CMibTableDialog {
    Q_OBJECT
public:
    enum ControlId { IdDestinationPort = 1004, IdAgeTime = 1005 };

    CForwardingTableDlg();

protected:
    void onOpen() override;
    void beforeWalk() override;
    void takeRow(const SnmpReply& row) override;

    CCommonSNMP& m_cCommonSNMPAge = addSession("m_cCommonSNMPAge");

private:
    QLineEdit* m_destinationPort;
    QLineEdit* m_ageTime;
    QString m_filter; // as the walk began
};
