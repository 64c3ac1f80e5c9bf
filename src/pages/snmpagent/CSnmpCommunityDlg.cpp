#include "CSnmpCommunityDlg.h"

#include "CListView.h"
#include "FieldGrid.h"
#include "MessageBox.h"
#include "NameText.h"
#include "TypingLimit.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr int maxNameChars = 32;
constexpr std::size_t maxCommunities = 10;

} // namespace

CSnmpCommunityDlg::CSnmpCommunityDlg() : CSnmpAgentAdmin(204)
{
    setWindowTitle(QStringLiteral("SNMP Community Table Configuration"));
    auto* layout = new QVBoxLayout(this);

    auto* group = new QGroupBox(QStringLiteral("Community Table Info"), this);
    auto* groupLayout = new QVBoxLayout(group);
    m_list = new CListView(IdList, {QStringLiteral("Community Name"), QStringLiteral("User Name")}, group);
    m_list->setAccessibleName(group->title());
    m_list->setColumnWidth(0, 250);
    m_list->setColumnWidth(1, 248);
    groupLayout->addWidget(m_list);
    layout->addWidget(group, 1);

    m_name = control<QLineEdit>(IdName);
    TypingLimit::apply(m_name, maxNameChars);
    m_policy = control<QComboBox>(IdPolicy);
    auto* grid = new FieldGrid(this);
    grid->addRow(QStringLiteral("Community Name "), m_name);
    grid->addRow(QStringLiteral("User Name (View Policy)"), m_policy);
    layout->addLayout(grid);
    layout->addLayout(tableButtons(IdApply, IdDelete, IdRefresh, IdClose));

    resize(m_list->fullWidth() + 40, 420);
}

void CSnmpCommunityDlg::read()
{
    m_list->clearRows();
    m_rows.clear();
    m_policy->clear();
    // The user walk follows the community walk; Apply waits for both.
    walkCommunities([this](const CommunityRecord& record) { takeCommunity(record); },
                    [this](int) { walkUsers([this](const SnmpUserRecord& record) { takeUser(record); }); });
}

void CSnmpCommunityDlg::takeCommunity(const CommunityRecord& record)
{
    const int row = m_list->appendRow(record.name);
    m_list->setCell(row, 1, record.viewPolicy);
    m_rows.push_back(record);
}

// Only users of version 1 or 2c can be a community's view policy.
void CSnmpCommunityDlg::takeUser(const SnmpUserRecord& record)
{
    if (record.version.compare(QLatin1String("V3"), Qt::CaseInsensitive) == 0 || m_policy->findText(record.name) >= 0)
        return;
    m_policy->addItem(record.name);
    m_policy->setCurrentIndex(0);
}

void CSnmpCommunityDlg::apply()
{
    const QString name = m_name->text().trimmed();
    if (name.isEmpty()) {
        MessageBox::info(QStringLiteral("Please enter valid Community Name !"));
        return;
    }
    if (!IsValidNameText(name)) {
        MessageBox::info(QStringLiteral("Invalid Community Name."));
        return;
    }
    for (const CommunityRecord& row : m_rows) {
        if (row.name == name) {
            MessageBox::info(QStringLiteral("This Community Entry already exists."));
            return;
        }
    }
    if (m_rows.size() >= maxCommunities) {
        MessageBox::info(QStringLiteral("Maximum number of Community Entry is 10."));
        return;
    }
    createRow(communityColumn(3) + NameIndex(name), {communityPolicy(name, m_policy->currentText())},
              [this](const WriteResult& result) {
                  if (result.ok())
                      m_name->clear();
                  refresh();
              });
}

void CSnmpCommunityDlg::deleteSelected()
{
    const int row = selectedRow(m_list);
    if (row < 0 || row >= int(m_rows.size())) {
        MessageBox::info(QStringLiteral("Please select the item would be delete!\n"));
        return;
    }
    setRowStatus(communityColumn(3) + m_rows[std::size_t(row)].index, RowDestroy,
                 [this](const WriteResult&) { refresh(); });
}
