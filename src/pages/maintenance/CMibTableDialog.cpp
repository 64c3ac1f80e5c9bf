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

    auto* buttons = new QHBoxLayout;
    if (table.showsCount) {
        m_count = new QLabel(QStringLiteral("0"), this);
        m_count->setObjectName(QString::number(IdEntries));
        m_count->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000000")));
        buttons->addWidget(LabelFor(m_count, QStringLiteral("Entries:"), this));
        buttons->addWidget(m_count);
    }
    buttons->addStretch();
    m_refresh = addButton(QStringLiteral("&Refresh"), IdRefresh);
    m_refresh->setDefault(true);
    buttons->addWidget(m_refresh);
    buttons->addWidget(addCloseButton(IdClose));
    layout->addLayout(buttons);

    connect(m_refresh, &QPushButton::clicked, this, &CMibTableDialog::startWalk);

    resize(std::max(m_list->fullWidth() + 24, 360), 420);
}

void CMibTableDialog::onOpen()
{
    startWalk();
}

void CMibTableDialog::startWalk()
{
    beforeWalk();
    m_list->clearRows();
    if (m_count)
        m_count->setText(QStringLiteral("0"));
    m_refresh->setEnabled(false);
    WalkOptions options;
    options.minimumValues = m_table.needsAllColumns ? int(m_table.columns.size()) : 0;
    sessions().walk(
        m_cCommonSNMP, m_table.columns, [this](const SnmpReply& row) { takeRow(row); },
        [this](int) { endWalk(); }, options);
}

void CMibTableDialog::rowAdded()
{
    if (m_count)
        m_count->setText(QString::number(m_list->rowCount()));
}

void CMibTableDialog::endWalk()
{
    m_list->fitColumnsToContents();
    m_refresh->setEnabled(true);
}
