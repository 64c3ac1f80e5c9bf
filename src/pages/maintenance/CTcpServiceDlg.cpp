#include "CTcpServiceDlg.h"

#include "MibViewTexts.h"

CTcpServiceDlg::CTcpServiceDlg()
    : CMibTableDialog({481,
                       QStringLiteral("TCP Service"),
                       {QStringLiteral("Local Port "), QStringLiteral(" Local IP        "),
                        QStringLiteral(" Remote IP       "), QStringLiteral("Remote Port"), QStringLiteral(" Status ")},
                       {"1.3.6.1.2.1.6.13.1.3", "1.3.6.1.2.1.6.13.1.2", "1.3.6.1.2.1.6.13.1.4",
                        "1.3.6.1.2.1.6.13.1.5", "1.3.6.1.2.1.6.13.1.1"},
                       false,
                       false})
{
}

void CTcpServiceDlg::takeRow(const SnmpReply& row)
{
    const int r = list()->appendRow(row.qtext(0));
    for (int c = 1; c < row.count() && c < 4; ++c)
        list()->setCell(r, c, row.qtext(c));
    if (row.count() > 4)
        list()->setCell(r, 4, TcpStateText(row.text(4)));
}
