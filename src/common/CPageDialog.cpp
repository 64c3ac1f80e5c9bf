#include "CPageDialog.h"

#include "TraceCategory.h"

#include <QApplication>

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
