#include "CSnmpGroupDlg.h"

#include "CListView.h"
#include "FieldGrid.h"
#include "MessageBox.h"
#include "NameText.h"
#include "SnmpAgentIndex.h"
#include "TypingLimit.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr int maxNameChars = 32;
constexpr std::size_t maxGroups = 50;
constexpr int modelV3 = 2; // the item of "v3"

} // namespace

CSnmpGroupDlg::CSnmpGroupDlg() : CSnmpAgentAdmin(200)
{
    setWindowTitle(QStringLiteral("SNMP Group Table Info"));
    auto* layout = new QVBoxLayout(this);

    auto* group = new QGroupBox(QStringLiteral("SNMP Group Table"), this);
    auto* groupLayout = new QVBoxLayout(group);
    m_list = new CListView(IdList,
                           {QStringLiteral("Group Name"), QStringLiteral("Read View"), QStringLiteral("Write View"),
                            QStringLiteral("Notify View"), QStringLiteral("Security Model"),
                            QStringLiteral("Security Level")},
                           group);
    m_list->setAccessibleName(group->title());
    for (int c = 0; c < m_list->columnCount(); ++c)
        m_list->setColumnWidth(c, 100);
    groupLayout->addWidget(m_list);
    layout->addWidget(group, 1);

    m_name = control<QLineEdit>(IdName);
    m_readView = control<QLineEdit>(IdReadView);
    m_writeView = control<QLineEdit>(IdWriteView);
    m_notifyView = control<QLineEdit>(IdNotifyView);
    for (QLineEdit* edit : {m_name, m_readView, m_writeView, m_notifyView})
        TypingLimit::apply(edit, maxNameChars);
    m_model = control<QComboBox>(IdModel);
    m_model->addItems({QStringLiteral("v1"), QStringLiteral("v2c"), QStringLiteral("v3")});
    m_level = control<QComboBox>(IdLevel);
    m_level->addItems({QStringLiteral("NoAuthNoPriv"), QStringLiteral("AuthNoPriv"), QStringLiteral("AuthPriv")});
    m_level->setEnabled(false);

    auto* grid = new FieldGrid(this);
    grid->addRow(QStringLiteral("Group Name"), m_name);
    grid->addRow(QStringLiteral("Read View Name "), m_readView);
    grid->addRow(QStringLiteral("Write View Name"), m_writeView);
    grid->addRow(QStringLiteral("Notify View Name "), m_notifyView);
    grid->addRow(QStringLiteral("Security Model"), m_model);
    grid->addRow(QStringLiteral("Security Level"), m_level);
    layout->addLayout(grid);
    layout->addLayout(tableButtons(IdApply, IdDelete, IdRefresh, IdClose));

    // The level belongs to version 3 only.
    connect(m_model, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_level->setEnabled(index == modelV3); });

    resize(m_list->fullWidth() + 40, 520);
}

void CSnmpGroupDlg::read()
{
    m_list->clearRows();
    m_rows.clear();
    walkGroups([this](const SnmpGroupRecord& record) { takeGroup(record); });
}

void CSnmpGroupDlg::takeGroup(const SnmpGroupRecord& record)
{
    const int row = m_list->appendRow(record.name);
    const QString cells[] = {record.readView, record.writeView, record.notifyView, record.model, record.level};
    for (int c = 0; c < 5; ++c)
        m_list->setCell(row, c + 1, cells[c]);
    m_rows.push_back(record);
}

void CSnmpGroupDlg::apply()
{
    const QString name = m_name->text().trimmed();
    if (name.isEmpty()) {
        MessageBox::info(QStringLiteral("Please enter valid group name!"));
        return;
    }
    if (!IsValidNameText(name)) {
        MessageBox::info(QStringLiteral("Invalid Group Name."));
        return;
    }
    // Groups of one name and model are one entry whatever their level.
    for (const SnmpGroupRecord& row : m_rows) {
        if (row.name == name && row.model == m_model->currentText()) {
            MessageBox::info(QStringLiteral("This Group Entry already exists."));
            return;
        }
    }
    if (m_rows.size() >= maxGroups) {
        MessageBox::info(QStringLiteral("Maximum number of Group Entry is 50."));
        return;
    }
    // The level chosen counts even while its list is inactive.
    const std::string index = GroupIndex(name, m_model->currentIndex() + 1, m_level->currentIndex() + 1);
    createRow(groupColumn(7) + index,
              {groupViews(index, m_readView->text(), m_writeView->text(), m_notifyView->text())},
              [this](const WriteResult& result) {
                  if (result.ok())
                      clearEntry();
                  refresh();
              });
}

void CSnmpGroupDlg::clearEntry()
{
    for (QLineEdit* edit : {m_name, m_readView, m_writeView, m_notifyView})
        edit->clear();
    m_model->setCurrentIndex(0);
    m_level->setCurrentIndex(0);
}

void CSnmpGroupDlg::deleteSelected()
{
    const int row = selectedRow(m_list);
    if (row < 0 || row >= int(m_rows.size())) {
        MessageBox::info(QStringLiteral("Please select the item would be delete!\n"));
        return;
    }
    setRowStatus(groupColumn(7) + m_rows[std::size_t(row)].index, RowDestroy,
                 [this](const WriteResult&) { refresh(); });
}
