#pragma once
// The base of every page: a top-level, application-modal dialog named "dlg<template>", kept on
// top, with the application icon. It owns the page's SNMP sessions and closes them when the
// dialog finishes (before any member of the page is destroyed), tracing
// "==================DestroyWindow===============" and one "...<member>.Close..." line each.
//
//     class CMyPage : public CPageDialog {
//         CCommonSNMP& m_cCommonSNMP = addSession("m_cCommonSNMP");
//         ...
//         sessions().walk(m_cCommonSNMP, columns, onRow, onEnd);
//     };

#include "PageSessions.h"

#include <QDialog>

#include <initializer_list>

class QHBoxLayout;
class QPushButton;

class CPageDialog : public QDialog {
    Q_OBJECT
public:
    // No parent: pages are top-level windows of their own.
    explicit CPageDialog(int templateId);
    ~CPageDialog() override;

    void done(int result) override;

protected:
    // Runs once, when the page is first shown: the page's first reads start here.
    virtual void onOpen() {}
    void showEvent(QShowEvent* event) override;

    CCommonSNMP& addSession(const char* memberName) { return m_sessions.add(memberName); }
    PageSessions& sessions() { return m_sessions; }
    // Closes the sessions once, with the trace lines. done() and the destructor call it.
    void closeSessions();

    // A push button named by its control id; the close button also closes the page.
    QPushButton* addButton(const QString& text, int controlId);
    QPushButton* addCloseButton(int controlId);
    // The page's command buttons, right-aligned in the order given.
    static QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons);

private:
    PageSessions m_sessions{this};
    bool m_opened = false;
};
