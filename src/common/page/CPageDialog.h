#pragma once
// The base of every page: a top-level, application-modal dialog named "dlg<template>", kept on
// top, with the application icon. It owns the page's SNMP sessions and closes them when the
// dialog finishes (before any member of the page is destroyed), tracing
// "==================DestroyWindow===============" and one "...<member>.Close..." line each.
//
// A page holds only its own controls, reads, checks and writes:
//
//     class CMyPage : public CPageDialog {
//         CMyPage() : CPageDialog(123) {
//             m_name = control<QLineEdit>(IdName);
//             FieldGrid grid(this); grid.addRow("Name:", m_name);
//             layout->addLayout(commandButtons(IdRefresh, IdApply, IdClose));
//         }
//         void read() override { readGet(m_cCommonSNMP, {sysName}, [this](const SnmpReply& r) {...}); }
//         void apply() override {
//             write(m_cCommonSNMPSet, {request}, [this](const WriteResult& r) { if (r.ok()) ...; });
//         }
//         CCommonSNMP& m_cCommonSNMP = addSession("m_cCommonSNMP");
//     };
//
// Reads started with readGet/readWalk/readLinks hold the read gate: Refresh is enabled when no
// read runs, Apply only when every read of the last refresh has succeeded.

#include "AggregatedLinkWalk.h"
#include "NewTableRow.h"
#include "PageSessions.h"
#include "PendingReads.h"
#include "SetRequest.h"

#include <QDialog>
#include <QPushButton>

#include <functional>
#include <memory>
#include <initializer_list>
#include <vector>

class QHBoxLayout;

class CPageDialog : public QDialog {
    Q_OBJECT
public:
    // No parent: pages are top-level windows of their own.
    explicit CPageDialog(int templateId);
    ~CPageDialog() override;

    void done(int result) override;

    // Closes every open page, as its Close button would (the module is shutting down).
    static void closeAllPages();

protected:
    // Runs once, when the page is first shown; by default it starts the page's reads.
    virtual void onOpen() { refresh(); }
    // The page's reads (Refresh and the first show run them).
    virtual void read() {}
    // The page's checks and writes (the Apply button).
    virtual void apply() {}
    // Forgets earlier read failures and reads again.
    void refresh();
    // refresh() once the switch has had `pauseMs` to take a write; Refresh and Apply wait for it.
    void refreshAfter(int pauseMs);
    void showEvent(QShowEvent* event) override;

    CCommonSNMP& addSession(const char* memberName) { return m_sessions.add(memberName); }
    PageSessions& sessions() { return m_sessions; }
    // Closes the sessions once, with the trace lines. done() and the destructor call it.
    void closeSessions();

    // A control of this page named by its id: control<QLineEdit>(IdName),
    // control<QCheckBox>(IdEnable, QStringLiteral("Enable")).
    template <class Widget, class... Args>
    Widget* control(int controlId, Args&&... args)
    {
        auto* widget = new Widget(std::forward<Args>(args)..., this);
        widget->setObjectName(QString::number(controlId));
        return widget;
    }

    // A push button named by its control id; the close button also closes the page.
    QPushButton* addButton(const QString& text, int controlId);
    QPushButton* addCloseButton(int controlId);
    // The page's command buttons, right-aligned in the order given.
    static QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons);
    // "&Refresh", "&Apply" and "&Close", right-aligned: Refresh runs refresh() and is enabled
    // while no read runs; Apply runs apply() and is enabled only when the reads have succeeded.
    // An id of 0 leaves that button out.
    QHBoxLayout* commandButtons(int refreshId, int applyId, int closeId);
    QPushButton* refreshButton() const { return m_refresh; }
    QPushButton* applyButton() const { return m_apply; }

    // The read gate that Refresh and Apply follow; a page adds its own controls to it.
    PendingReads& reads() { return m_reads; }
    // Reads that hold the gate until they have ended: a get succeeds with status 0 and a value
    // for every OID, a walk when it read the whole table. The handlers run first, on the GUI
    // thread.
    void readGet(CCommonSNMP& session, const std::vector<std::string>& oids, PageSessions::ReplyHandler onReply,
                 int timeoutMs = 0);
    void readWalk(CCommonSNMP& session, const std::vector<std::string>& columns, PageSessions::ReplyHandler onRow,
                  PageSessions::EndHandler onEnd = {}, WalkOptions options = {});
    // The aggregated-link walk, unless it is running already.
    void readLinks(AggregatedLinkWalk& links);

    // Sends the requests in order on the session while the page keeps painting and takes no
    // input, stopping at the first that fails; then `then` runs here, on the GUI thread, with the
    // result. Closing the page (or the module) cuts the write short and `then` sees -1.
    using WriteContinuation = std::function<void(const WriteResult&)>;
    void write(CCommonSNMP& session, const std::vector<SetRequest>& requests, WriteContinuation then);
    // The row rule: writes `steps` (row.create() first) and, when the row may be left half-made,
    // destroys it again before `then` runs with the creation's result.
    void writeNewRow(CCommonSNMP& session, const NewTableRow& row, const std::vector<SetRequest>& steps,
                     WriteContinuation then);

public:
    // True while a write of this page runs (its continuation has not run yet).
    bool writing() const { return !m_pendingWrites.empty(); }

private:
    struct PendingWrite {
        WriteContinuation then;
        int steps = 0;
    };
    // Runs a write's continuation once: from its result, or with -1 when the page closes.
    void finishWrite(const std::shared_ptr<PendingWrite>& pending, const WriteResult& result);

    PageSessions m_sessions{this};
    PendingReads m_reads;
    QPushButton* m_refresh = nullptr;
    QPushButton* m_apply = nullptr;
    std::vector<std::shared_ptr<PendingWrite>> m_pendingWrites;
    bool m_opened = false;
};
