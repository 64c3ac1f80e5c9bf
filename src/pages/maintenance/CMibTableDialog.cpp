#include "CMibTableDialog.h"

#include "FieldLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CMibTableDialog::CMibTableDialog(const Table& table) : CPageDialog(table.templateId), m_table(table)
{
    setWindowTitle(table.title);
    auto* layout = new QVBoxLayout(this);
    m_list = new CListView(IdList, table.headers, this);
    m_list->setAccessibleName(table.title);
    layout->addWidget(m_list, 1);
    m_extra = new QVBoxLayout;
    layout->addLayout(m_extra);

    QHBoxLayout* buttons = commandButtons(IdRefresh, 0, IdClose);
    refreshButton()->setDefault(true);
    if (table.showsCount) {
        m_count = new QLabel(QStringLiteral("0"), this);
        m_count->setObjectName(QString::number(IdEntries));
        m_count->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000000")));
        buttons->insertWidget(0, m_count);
        buttons->insertWidget(0, LabelFor(m_count, QStringLiteral("Entries:"), this));
    }
    layout->addLayout(buttons);

    resize(std::max(m_list->fullWidth() + 24, 360), 420);
}

void CMibTableDialog::read()
{
    beforeWalk();
    m_list->clearRows();
    if (m_count)
        m_count->setText(QStringLiteral("0"));
    WalkOptions options;
    options.minimumValues = m_table.needsAllColumns ? int(m_table.columns.size()) : 0;
    readWalk(
        m_cCommonSNMP, m_table.columns, [this](const SnmpReply& row) { takeRow(row); },
        [this](int) { m_list->fitColumnsToContents(); }, options);
}

void CMibTableDialog::rowAdded()
{
    if (m_count)
        m_count->setText(QString::number(m_list->rowCount()));
}
