#pragma once
// The read-only table views of the public MIB: a list walked row by row with get-next, a
// "&Refresh" button that is disabled while the walk runs, "&Close", and for some tables an
// "Entries:" counter. A failed or timed-out walk ends quietly with the rows received.

#include "CListView.h"
#include "CPageDialog.h"

class QBoxLayout;
class QLabel;

class CMibTableDialog : public CPageDialog {
    Q_OBJECT
public:
    enum ControlId { IdList = 1001, IdRefresh = 1002, IdEntries = 1003, IdClose = 2 };

    struct Table {
        int templateId = 0;
        QString title;
        QStringList headers;
        std::vector<std::string> columns; // walked in this order
        bool showsCount = false;
        // Tables whose rows need every column end at an answer with fewer values; the TCP and
        // UDP views take every answer as a row and end only on the session's status.
        bool needsAllColumns = true;
    };

protected:
    explicit CMibTableDialog(const Table& table);

    // The walk (the first show and Refresh start it).
    void read() override;
    // Reads the page's own fields before a walk (the forwarding filter).
    virtual void beforeWalk() {}
    // One answer of the walk; the page appends its row (or skips it).
    virtual void takeRow(const SnmpReply& row) = 0;

    CListView* list() const { return m_list; }
    // Call after appending a row: updates the counter.
    void rowAdded();
    // Where a page adds its own controls, between the list and the buttons.
    QBoxLayout* extraArea() const { return m_extra; }

    CCommonSNMP& m_cCommonSNMP = addSession("m_cCommonSNMP");

private:
    Table m_table;
    CListView* m_list;
    QLabel* m_count = nullptr;
    QBoxLayout* m_extra;
};
