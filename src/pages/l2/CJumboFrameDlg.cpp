#include "CJumboFrameDlg.h"

#include "DeviceOids.h"
#include "MessageBox.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

namespace deviceoid = snmp::deviceoid;

CJumboFrameDlg::CJumboFrameDlg() : CPageDialog(174)
{
    setWindowTitle(QStringLiteral("Jumbo Frame Configuration"));
    auto* layout = new QVBoxLayout(this);
    m_enable = control<QCheckBox>(IdEnable, QStringLiteral("Enable Jumbo Frame"));
    layout->addWidget(m_enable);
    layout->addWidget(new QLabel(QStringLiteral("Note: Maximum Length is 10000 bytes"), this));
    layout->addLayout(commandButtons(0, IdApply, IdClose));
    applyButton()->setDefault(true);
    resize(300, sizeHint().height());
}

// Apply waits for this read: with the box as it was built, it would switch jumbo frames off.
void CJumboFrameDlg::read()
{
    readGet(m_cCommonSNMP, {deviceoid::jumboFrame}, [this](const SnmpReply& reply) { showReply(reply); });
}

void CJumboFrameDlg::showReply(const SnmpReply& reply)
{
    if (reply.ok())
        m_enable->setChecked(reply.text(0) == "1");
}

// The message comes before the write and does not depend on its outcome.
void CJumboFrameDlg::apply()
{
    const bool enable = m_enable->isChecked();
    MessageBox::info(enable ? QStringLiteral("Enabled Jumbo Frame") : QStringLiteral("Disabled Jumbo Frame"));
    SetRequest request;
    request.integer(deviceoid::jumboFrame, enable ? 1 : 2);
    write(m_cCommonSNMP, {request}, [this](const WriteResult& result) {
        if (!result.ok()) {
            accept();
            return;
        }
        // The value is read back before the page closes.
        readGet(m_cCommonSNMP, {deviceoid::jumboFrame}, [this](const SnmpReply& reply) {
            showReply(reply);
            accept();
        });
    });
}
