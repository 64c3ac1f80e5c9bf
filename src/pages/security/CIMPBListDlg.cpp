#include "CIMPBListDlg.h"

#include "CListView.h"
#include "DeviceProfile.h"
#include "FieldLabel.h"
#include "MessageBox.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

CIMPBListDlg::CIMPBListDlg(int templateId, const QString& title, std::initializer_list<Column> columns)
    : CPageDialog(templateId), m_data(sessions(), DeviceProfile::current().portCount())
{
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    auto* totals = new QHBoxLayout;
    m_total = new QLabel(QStringLiteral("0"), this);
    m_total->setObjectName(QString::number(IdTotal));
    totals->addWidget(LabelFor(m_total, QStringLiteral("Total Entries: "), this));
    totals->addWidget(m_total);
    totals->addStretch();
    layout->addLayout(totals);

    QStringList headers;
    for (const Column& column : columns)
        headers << QString::fromLatin1(column.header);
    m_list = new CListView(IdList, headers, this);
    m_list->setAccessibleName(title);
    int c = 0;
    for (const Column& column : columns)
        m_list->horizontalHeader()->resizeSection(c++, column.width);
    layout->addWidget(m_list, 1);

    QPushButton* remove = addButton(QStringLiteral("&Delete"), IdDelete);
    reads().addWriteControl(remove);
    connect(remove, &QPushButton::clicked, this, &CIMPBListDlg::deleteChosen);
    QHBoxLayout* buttons = commandButtons(IdRefresh, 0, IdClose);
    buttons->insertWidget(1, remove);
    layout->addLayout(buttons);
    resize(m_list->fullWidth() + 40, 400);
}

void CIMPBListDlg::read()
{
    m_list->clearRows();
    m_indexes.clear();
    m_total->setText(QStringLiteral("0"));
    readWalk(m_data.m_cCommonSNMP, walkedColumns(), [this](const SnmpReply& reply) {
        Row row = rowOf(reply);
        if (row.cells.isEmpty())
            return;
        const int r = m_list->appendRow(row.cells.value(0));
        for (int c = 1; c < row.cells.size(); ++c)
            m_list->setCell(r, c, row.cells[c]);
        m_indexes.push_back(std::move(row.index));
        m_total->setText(QString::number(m_indexes.size()));
    });
}

void CIMPBListDlg::deleteChosen()
{
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    if (rows.isEmpty() || rows.first().row() >= int(m_indexes.size())) {
        MessageBox::info(QStringLiteral("Please select the item would be delete!\n"));
        return;
    }
    write(m_data.m_cCommonSNMPSet, {deletion(m_indexes[std::size_t(rows.first().row())])},
          [this](const WriteResult&) { refresh(); });
}
