#include "CPageDialog.h"

#include "TraceCategory.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>

CPageDialog::CPageDialog(int templateId) : QDialog(nullptr)
{
    setObjectName(QStringLiteral("dlg%1").arg(templateId));
    // Top-level and application-modal without a transient parent: minimising the device
    // window never hides a page. The flag must be set before the window is first shown.
    setWindowModality(Qt::ApplicationModal);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowIcon(QApplication::windowIcon());
}

CPageDialog::~CPageDialog()
{
    closeSessions();
}

void CPageDialog::done(int result)
{
    closeSessions();
    QDialog::done(result);
}

void CPageDialog::closeSessions()
{
    if (m_sessions.closed())
        return;
    TraceLine(QStringLiteral("==================DestroyWindow==============="));
    m_sessions.closeAll();
}

void CPageDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_opened) {
        m_opened = true;
        onOpen();
    }
}

QPushButton* CPageDialog::addButton(const QString& text, int controlId)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::number(controlId));
    return button;
}

QPushButton* CPageDialog::addCloseButton(int controlId)
{
    QPushButton* close = addButton(QStringLiteral("&Close"), controlId);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    return close;
}

QHBoxLayout* CPageDialog::buttonRow(std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons)
        row->addWidget(button);
    return row;
}
