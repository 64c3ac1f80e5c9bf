#include "CInterfaceTableDlg.h"

#include "MibViewTexts.h"

CInterfaceTableDlg::CInterfaceTableDlg()
    : CMibTableDialog({49,
                       QStringLiteral("Interface Table"),
                       {QStringLiteral(" Index        "), QStringLiteral(" Link Status            "),
                        QStringLiteral(" Speed(b/s)                     ")},
                       {"1.3.6.1.2.1.2.2.1.1", "1.3.6.1.2.1.2.2.1.8", "1.3.6.1.2.1.2.2.1.5"},
                       true,
                       true})
{
}

void CInterfaceTableDlg::takeRow(const SnmpReply& row)
{
    const int r = list()->appendRow(row.qtext(0));
    list()->setCell(r, 1, LinkStatusText(row.text(1)));
    list()->setCell(r, 2, InterfaceSpeedText(row.text(2)));
    rowAdded();
}
