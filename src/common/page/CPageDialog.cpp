#include "CPageDialog.h"

#include "TraceCategory.h"
#include "UserInputBlock.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace {

// The pages that are open, for a shutdown that must close them all. GUI thread only.
std::vector<CPageDialog*>& openPages()
{
    static std::vector<CPageDialog*> pages;
    return pages;
}

} // namespace

CPageDialog::CPageDialog(int templateId) : QDialog(nullptr)
{
    setObjectName(QStringLiteral("dlg%1").arg(templateId));
    // Top-level and application-modal without a transient parent: minimising the device
    // window never hides a page. The flag must be set before the window is first shown.
    setWindowModality(Qt::ApplicationModal);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowIcon(QApplication::windowIcon());
    openPages().push_back(this);
}

CPageDialog::~CPageDialog()
{
    std::erase(openPages(), this);
    // The page's own members are gone: a write still running ends without its continuation.
    for (std::size_t i = 0; i < m_pendingWrites.size(); ++i)
        UserInputBlock::release();
    m_pendingWrites.clear();
    closeSessions();
}

void CPageDialog::closeAllPages()
{
    // A copy: closing a page may end the loop that runs it, and its owner may destroy it.
    std::vector<QPointer<CPageDialog>> pages(openPages().begin(), openPages().end());
    for (const QPointer<CPageDialog>& page : pages) {
        if (page)
            page->reject();
    }
}

void CPageDialog::done(int result)
{
    closeSessions();
    QDialog::done(result);
}

void CPageDialog::closeSessions()
{
    if (!m_sessions.closed()) {
        TraceLine(QStringLiteral("==================DestroyWindow==============="));
        m_sessions.closeAll();
    }
    // The writes that were cut short end now, each once.
    for (const std::shared_ptr<PendingWrite>& pending : std::vector(m_pendingWrites))
        finishWrite(pending, WriteResult{-1, 0, pending->steps});
}

void CPageDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_opened) {
        m_opened = true;
        onOpen();
    }
}

void CPageDialog::refresh()
{
    m_reads.restart();
    read();
}

void CPageDialog::refreshAfter(int pauseMs)
{
    m_reads.begin();
    QTimer::singleShot(pauseMs, this, [this] {
        m_reads.end(true);
        refresh();
    });
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

QHBoxLayout* CPageDialog::commandButtons(int refreshId, int applyId, int closeId)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    if (refreshId) {
        m_refresh = addButton(QStringLiteral("&Refresh"), refreshId);
        connect(m_refresh, &QPushButton::clicked, this, &CPageDialog::refresh);
        m_reads.addControl(m_refresh);
        row->addWidget(m_refresh);
    }
    if (applyId) {
        m_apply = addButton(QStringLiteral("&Apply"), applyId);
        connect(m_apply, &QPushButton::clicked, this, [this] { apply(); });
        m_reads.addWriteControl(m_apply);
        row->addWidget(m_apply);
    }
    if (closeId)
        row->addWidget(addCloseButton(closeId));
    return row;
}

void CPageDialog::readGet(CCommonSNMP& session, const std::vector<std::string>& oids,
                          PageSessions::ReplyHandler onReply, int timeoutMs)
{
    if (m_sessions.closed())
        return;
    m_reads.begin();
    m_sessions.get(
        session, oids,
        [this, onReply = std::move(onReply), asked = int(oids.size())](const SnmpReply& reply) {
            onReply(reply);
            // An answer that lacks values the page asked for is no complete read.
            m_reads.end(reply.ok() && reply.count() >= asked);
        },
        timeoutMs);
}

void CPageDialog::readWalk(CCommonSNMP& session, const std::vector<std::string>& columns,
                           PageSessions::ReplyHandler onRow, PageSessions::EndHandler onEnd, WalkOptions options)
{
    if (m_sessions.closed())
        return;
    m_reads.begin();
    m_sessions.walk(
        session, columns, std::move(onRow),
        [this, onEnd = std::move(onEnd)](int status) {
            if (onEnd)
                onEnd(status);
            m_reads.end(snmp::WalkComplete(status));
        },
        options);
}

void CPageDialog::readLinks(AggregatedLinkWalk& links)
{
    if (links.running() || m_sessions.closed())
        return;
    m_reads.begin();
    connect(
        &links, &AggregatedLinkWalk::ended, this, [this, &links] { m_reads.end(links.complete()); },
        Qt::SingleShotConnection);
    links.start();
}

void CPageDialog::write(CCommonSNMP& session, const std::vector<SetRequest>& requests, WriteContinuation then)
{
    auto pending = std::make_shared<PendingWrite>(PendingWrite{std::move(then), int(requests.size())});
    m_pendingWrites.push_back(pending);
    UserInputBlock::acquire();
    if (m_sessions.closed()) {
        QTimer::singleShot(0, this, [this, pending] { finishWrite(pending, WriteResult{-1, 0, pending->steps}); });
        return;
    }
    m_sessions.write(session, requests, [this, pending](const WriteResult& result) { finishWrite(pending, result); });
}

void CPageDialog::writeNewRow(CCommonSNMP& session, const NewTableRow& row, const std::vector<SetRequest>& steps,
                              WriteContinuation then)
{
    write(session, steps, [this, &session, row, then = std::move(then)](const WriteResult& result) {
        if (!NewTableRow::halfMade(result) || m_sessions.closed()) {
            if (then)
                then(result);
            return;
        }
        write(session, {row.destroy()}, [then, result](const WriteResult&) {
            if (then)
                then(result);
        });
    });
}

void CPageDialog::finishWrite(const std::shared_ptr<PendingWrite>& pending, const WriteResult& result)
{
    const auto it = std::find(m_pendingWrites.begin(), m_pendingWrites.end(), pending);
    if (it == m_pendingWrites.end())
        return; // ended already
    m_pendingWrites.erase(it);
    UserInputBlock::release();
    if (pending->then)
        pending->then(result);
}

