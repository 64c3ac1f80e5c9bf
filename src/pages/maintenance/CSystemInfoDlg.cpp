#include "CSystemInfoDlg.h"

#include "FieldLabel.h"
#include "MessageBox.h"
#include "MibViewTexts.h"
#include "NameText.h"
#include "TypingLimit.h"
#include "Utf8Text.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const std::string sysName = "1.3.6.1.2.1.1.5.0";
const std::string sysLocation = "1.3.6.1.2.1.1.6.0";

QLineEdit* makeEdit(int id, QWidget* parent, bool readOnly)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::number(id));
    edit->setReadOnly(readOnly);
    return edit;
}

void addText(CCommonSNMP& session, const std::string& oid, const QString& text)
{
    const std::string bytes = TextToUtf8(text, Utf8TextBufferBytes);
    session.AddVarBind(oid, snmp::Syntax::OctetString, bytes.data(), unsigned(bytes.size()));
}

} // namespace

CSystemInfoDlg::CSystemInfoDlg() : CPageDialog(80)
{
    setWindowTitle(QStringLiteral("System Information"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    m_name = makeEdit(IdName, this, false);
    m_location = makeEdit(IdLocation, this, false);
    m_contact = makeEdit(IdContact, this, false);
    m_runtime = makeEdit(IdRuntime, this, true);
    m_objectOid = makeEdit(IdObjectOid, this, true);
    m_description = new QPlainTextEdit(this);
    m_description->setObjectName(QString::number(IdDescription));
    m_description->setReadOnly(true);
    m_description->setFixedHeight(fontMetrics().height() * 4 + 10);
    TypingLimit::apply(m_name, 20);
    TypingLimit::apply(m_location, 20);
    TypingLimit::apply(m_contact, 32);

    int row = 0;
    auto addRow = [&](QWidget* field, const QString& text) {
        QLabel* label = LabelFor(field, text, this);
        grid->addWidget(label, row, 0, Qt::AlignLeft | Qt::AlignTop);
        grid->addWidget(field, row++, 1);
        return label;
    };
    addRow(m_name, QStringLiteral("Name:"));
    addRow(m_location, QStringLiteral("Location:"));
    QLabel* contactLabel = addRow(m_contact, QStringLiteral("Contact:"));
    addRow(m_runtime, QStringLiteral("Runtime:"));
    addRow(m_objectOid, QStringLiteral("Object OID:"));
    addRow(m_description, QStringLiteral("Description"));
    // The contact is part of the page but not shown, and never written.
    m_contact->hide();
    contactLabel->hide();
    layout->addLayout(grid);

    m_refresh = addButton(QStringLiteral("&Refresh"), IdRefresh);
    m_apply = addButton(QStringLiteral("&Apply"), IdApply);
    layout->addLayout(buttonRow({m_refresh, m_apply, addCloseButton(IdClose)}));
    m_reads.addControl(m_refresh);
    m_reads.addControl(m_apply);

    connect(m_refresh, &QPushButton::clicked, this, &CSystemInfoDlg::read);
    connect(m_apply, &QPushButton::clicked, this, &CSystemInfoDlg::apply);
    resize(460, sizeHint().height());
}

void CSystemInfoDlg::onOpen()
{
    read();
}

// Apply stays disabled until the read has ended: writing fields that were never filled would
// blank the switch's name and location.
void CSystemInfoDlg::read()
{
    m_reads.begin();
    sessions().get(m_cCommonSNMP,
                   {"1.3.6.1.2.1.1.1.0", "1.3.6.1.2.1.1.2.0", "1.3.6.1.2.1.1.3.0", "1.3.6.1.2.1.1.4.0", sysName,
                    sysLocation},
                   [this](const SnmpReply& reply) {
                       showReply(reply);
                       m_reads.end();
                   });
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
    m_cCommonSNMPSet.Prepare(snmp::PduType::Set);
    addText(m_cCommonSNMPSet, sysName, name);
    addText(m_cCommonSNMPSet, sysLocation, location);
    std::unique_ptr<CSnmp> answer;
    m_cCommonSNMPSet.SendAndWait(answer);
}
