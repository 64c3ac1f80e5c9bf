#include "CSnmpGlobalStateDlg.h"

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

CSnmpGlobalStateDlg::CSnmpGlobalStateDlg() : CSnmpAgentAdmin(209)
{
    setWindowTitle(QStringLiteral("SNMP Global State Settings"));
    auto* layout = new QVBoxLayout(this);
    m_enable = control<QCheckBox>(IdEnable, QStringLiteral("Enable SNMP Global "));
    layout->addWidget(m_enable);
    QPushButton* applyButton = addButton(QStringLiteral("&Apply"), IdApply);
    connect(applyButton, &QPushButton::clicked, this, [this] { apply(); });
    reads().addWriteControl(applyButton);
    QPushButton* cancel = addCloseButton(IdCancel);
    cancel->setText(QStringLiteral("&Cancel"));
    layout->addLayout(buttonRow({applyButton, cancel}));
    adjustSize();
}

void CSnmpGlobalStateDlg::read()
{
    readAgentState([this](int state) { m_enable->setChecked(state == 1); });
}

void CSnmpGlobalStateDlg::apply()
{
    send(agentState(m_enable->isChecked()), [this](const WriteResult& result) {
        if (result.ok())
            refresh();
    });
}
