#include "CUdpServiceDlg.h"

CUdpServiceDlg::CUdpServiceDlg()
    : CMibTableDialog({482,
                       QStringLiteral("UDP Service"),
                       {QStringLiteral("  Local Port "), QStringLiteral("  Local IP      ")},
                       {"1.3.6.1.2.1.7.5.1.2", "1.3.6.1.2.1.7.5.1.1"},
                       false,
                       false})
{
}

void CUdpServiceDlg::takeRow(const SnmpReply& row)
{
    const int r = list()->appendRow(row.qtext(0));
    if (row.count() > 1)
        list()->setCell(r, 1, row.qtext(1));
}
