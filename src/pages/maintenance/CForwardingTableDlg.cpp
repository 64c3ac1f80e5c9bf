#include "CForwardingTableDlg.h"

#include "FieldLabel.h"
#include "MibViewTexts.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

CForwardingTableDlg::CForwardingTableDlg()
    : CMibTableDialog({278,
                       QStringLiteral("Forwarding Table"),
                       {QStringLiteral("       MAC              "), QStringLiteral(" Status      "),
                        QStringLiteral(" Port     ")},
                       {"1.3.6.1.2.1.17.7.1.2.2.1.3", "1.3.6.1.2.1.17.7.1.2.2.1.2"},
                       true,
                       true})
{
    auto* row = new QHBoxLayout;
    auto* filter = new QGroupBox(QStringLiteral("Filter"), this);
    auto* filterLayout = new QHBoxLayout(filter);
    m_destinationPort = new QLineEdit(filter);
    m_destinationPort->setObjectName(QString::number(IdDestinationPort));
    filterLayout->addWidget(LabelFor(m_destinationPort, QStringLiteral("Destination Port"), filter));
    filterLayout->addWidget(m_destinationPort);
    row->addWidget(filter);

    m_ageTime = new QLineEdit(this);
    m_ageTime->setObjectName(QString::number(IdAgeTime));
    m_ageTime->setReadOnly(true);
    row->addWidget(LabelFor(m_ageTime, QStringLiteral("Age Time"), this));
    row->addWidget(m_ageTime);
    row->addWidget(new QLabel(QStringLiteral("Seconds"), this));
    extraArea()->addLayout(row);
    resize(width(), 480);
}

void CForwardingTableDlg::onOpen()
{
    CMibTableDialog::onOpen();
    // The age time is read once, when the page opens.
    sessions().get(m_cCommonSNMPAge, {"1.3.6.1.2.1.17.4.2.0"}, [this](const SnmpReply& reply) {
        if (reply.ok() && reply.count() > 0)
            m_ageTime->setText(reply.qtext(0));
    });
}

void CForwardingTableDlg::beforeWalk()
{
    m_filter = m_destinationPort->text();
}

void CForwardingTableDlg::takeRow(const SnmpReply& row)
{
    const QString port = row.qtext(1);
    if (!m_filter.isEmpty() && m_filter != port)
        return;
    const int r = list()->appendRow(FdbIndexMacText(row.suffix(0)));
    list()->setCell(r, 2, port);
    list()->setCell(r, 1, FdbStatusText(row.text(0)));
    rowAdded();
}
