#include "CSnmpEngineIdDlg.h"

#include "FieldGrid.h"
#include "HexDigit.h"
#include "MessageBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr int minDigits = 10;
constexpr int maxDigits = 64;

} // namespace

CSnmpEngineIdDlg::CSnmpEngineIdDlg() : CSnmpAgentAdmin(210)
{
    setWindowTitle(QStringLiteral("SNMP Engine ID"));
    auto* layout = new QVBoxLayout(this);
    m_engineId = control<QLineEdit>(IdEngineId);
    m_engineId->setMinimumWidth(m_engineId->fontMetrics().horizontalAdvance(QString(maxDigits / 2, QLatin1Char('0'))));
    auto* grid = new FieldGrid(this);
    grid->addRow(QStringLiteral("SNMP Engine ID"), m_engineId);
    layout->addLayout(grid);
    layout->addWidget(new QLabel(QStringLiteral("Note: Engine ID length is 10-64, the accepted character is from 0 to F."), this));
    layout->addLayout(commandButtons(0, IdApply, IdClose));
    adjustSize();
}

void CSnmpEngineIdDlg::read()
{
    readEngineId([this](const QString& hexDigits) { m_engineId->setText(hexDigits); });
}

void CSnmpEngineIdDlg::apply()
{
    const QString text = m_engineId->text();
    if (text.size() < minDigits || text.size() > maxDigits) {
        MessageBox::info(QStringLiteral("ID length is 10-64"));
        return;
    }
    for (QChar c : text) {
        if (HexDigitValue(c.unicode()) < 0) {
            MessageBox::info(QStringLiteral("the accepted character is from 0 to F"));
            return;
        }
    }
    send(engineId(text), [this](const WriteResult&) { refresh(); });
}
