#pragma once
// The layout and behaviour the binding White List and Black List share: the entries with their
// count, Delete of the chosen entry, Refresh. A list page says what it walks, how a row shows
// and how an entry is deleted.

#include "CIMPBData.h"
#include "CPageDialog.h"

#include <vector>

class CListView;
class QLabel;

class CIMPBListDlg : public CPageDialog {
    Q_OBJECT
public:
    enum ControlId { IdTotal = 1170, IdList = 1010, IdDelete = 1173, IdRefresh = 1149, IdClose = 2 };

protected:
    struct Column {
        const char* header;
        int width;
    };
    // The page's row: its cells and the index its entry is deleted by; no cells leaves it out.
    struct Row {
        QStringList cells;
        std::string index;
    };

    CIMPBListDlg(int templateId, const QString& title, std::initializer_list<Column> columns);

    void read() override;
    virtual std::vector<std::string> walkedColumns() const = 0;
    virtual Row rowOf(const SnmpReply& reply) const = 0;
    virtual SetRequest deletion(const std::string& index) const = 0;

    CIMPBData m_data;

private:
    void deleteChosen();

    std::vector<std::string> m_indexes; // the listed entries' indexes, in list order
    CListView* m_list;
    QLabel* m_total;
};
