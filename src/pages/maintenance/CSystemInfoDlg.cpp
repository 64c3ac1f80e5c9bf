#include "CSystemInfoDlg.h"

#include "FieldGrid.h"
#include "MessageBox.h"
#include "MibViewTexts.h"
#include "NameText.h"
#include "TypingLimit.h"
#include "Utf8Text.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

const std::string sysName = "1.3.6.1.2.1.1.5.0";
const std::string sysLocation = "1.3.6.1.2.1.1.6.0";

} // namespace

CSystemInfoDlg::CSystemInfoDlg() : CPageDialog(80)
{
    setWindowTitle(QStringLiteral("System Information"));
    auto* layout = new QVBoxLayout(this);
    m_name = control<QLineEdit>(IdName);
    m_location = control<QLineEdit>(IdLocation);
    m_contact = control<QLineEdit>(IdContact);
    m_runtime = control<QLineEdit>(IdRuntime);
    m_runtime->setReadOnly(true);
    m_objectOid = control<QLineEdit>(IdObjectOid);
    m_objectOid->setReadOnly(true);
    m_description = control<QPlainTextEdit>(IdDescription);
    m_description->setReadOnly(true);
    m_description->setFixedHeight(fontMetrics().height() * 4 + 10);
    TypingLimit::apply(m_name, 20);
    TypingLimit::apply(m_location, 20);
    TypingLimit::apply(m_contact, 32);

    auto* grid = new FieldGrid(this);
    const Qt::Alignment top = Qt::AlignLeft | Qt::AlignTop;
    grid->addRow(QStringLiteral("Name:"), m_name, top);
    grid->addRow(QStringLiteral("Location:"), m_location, top);
    QLabel* contactLabel = grid->addRow(QStringLiteral("Contact:"), m_contact, top);
    grid->addRow(QStringLiteral("Runtime:"), m_runtime, top);
    grid->addRow(QStringLiteral("Object OID:"), m_objectOid, top);
    grid->addRow(QStringLiteral("Description"), m_description, top);
    // The contact is part of the page but not shown, and never written.
    m_contact->hide();
    contactLabel->hide();
    layout->addLayout(grid);
    layout->addLayout(commandButtons(IdRefresh, IdApply, IdClose));
    resize(460, sizeHint().height());
}

// Apply stays disabled until the read has succeeded: writing fields that were never filled would
// blank the switch's name and location.
void CSystemInfoDlg::read()
{
    readGet(m_cCommonSNMP,
            {"1.3.6.1.2.1.1.1.0", "1.3.6.1.2.1.1.2.0", "1.3.6.1.2.1.1.3.0", "1.3.6.1.2.1.1.4.0", sysName, sysLocation},
            [this](const SnmpReply& reply) { showReply(reply); });
}

void CSystemInfoDlg::showReply(const SnmpReply& reply)
{
    if (!reply.ok() || reply.count() < 6)
        return;
    m_description->setPlainText(TextFromUtf8(reply.text(0)));
    m_objectOid->setText(reply.qtext(1));
    m_runtime->setText(RuntimeText(reply.text(2)));
    m_contact->setText(TextFromUtf8(reply.text(3)));
    m_name->setText(TextFromUtf8(reply.text(4)));
    m_location->setText(TextFromUtf8(reply.text(5)));
}

void CSystemInfoDlg::apply()
{
    const QString name = m_name->text();
    const QString location = m_location->text();
    if (!IsValidNameText(name)) {
        MessageBox::info(QStringLiteral("Invalid System Name."));
        return;
    }
    if (!IsValidNameText(location)) {
        MessageBox::info(QStringLiteral("Invalid System Location."));
        return;
    }
    SetRequest request;
    request.octets(sysName, TextToUtf8(name, Utf8TextBufferBytes))
        .octets(sysLocation, TextToUtf8(location, Utf8TextBufferBytes));
    write(m_cCommonSNMPSet, {request}, {});
}
