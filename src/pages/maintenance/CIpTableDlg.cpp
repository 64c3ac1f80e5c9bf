#include "CIpTableDlg.h"

#include "LaunchParams.h"

CIpTableDlg::CIpTableDlg()
    : CMibTableDialog({208,
                       QStringLiteral("IP Table : ") + QString::fromStdString(LaunchParams::current().IPAddress),
                       {QStringLiteral(" IP                "), QStringLiteral(" Netmask               ")},
                       {"1.3.6.1.2.1.4.20.1.1", "1.3.6.1.2.1.4.20.1.3"},
                       true,
                       true})
{
}

void CIpTableDlg::takeRow(const SnmpReply& row)
{
    const int r = list()->appendRow(row.qtext(0));
    list()->setCell(r, 1, row.qtext(1));
    rowAdded();
}
