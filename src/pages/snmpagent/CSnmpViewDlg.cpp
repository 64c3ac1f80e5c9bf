#include "CSnmpViewDlg.h"

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
constexpr std::size_t maxViews = 50;

// The number of sub-identifiers of a subtree typed as dotted decimal, or 0 after a message.
qsizetype checkedSubtreeLength(const QString& subtree)
{
    for (QChar c : subtree) {
        if ((c < QLatin1Char('0') || c > QLatin1Char('9')) && c != QLatin1Char('.')) {
            MessageBox::info(QStringLiteral("Please enter valid subtree OID"));
            return 0;
        }
    }
    const QStringList pieces = subtree.split(QLatin1Char('.'));
    for (const QString& piece : pieces) {
        if (piece.isEmpty()) {
            MessageBox::info(QStringLiteral("Please enter valid subtree OID ."));
            return 0;
        }
    }
    // A sub-identifier is 32 bits: a larger one could not be sent at all.
    for (const QString& piece : pieces) {
        bool fits = false;
        piece.toUInt(&fits);
        if (!fits) {
            MessageBox::info(QStringLiteral("The subtree has a number larger than 4294967295."));
            return 0;
        }
    }
    return pieces.size();
}

// The mask as one octet per element ("1.0" -> 01 00), or empty after a message.
std::string checkedMaskOctets(const QString& mask)
{
    std::string octets;
    for (const QString& piece : mask.split(QLatin1Char('.'))) {
        if (piece == QLatin1String("0") || piece == QLatin1String("00")) {
            octets += '\0';
        } else if (piece == QLatin1String("1") || piece == QLatin1String("01")) {
            octets += '\1';
        } else {
            MessageBox::info(QStringLiteral("Please enter valid OID Mask."));
            return {};
        }
    }
    return octets;
}

} // namespace

CSnmpViewDlg::CSnmpViewDlg() : CSnmpAgentAdmin(203)
{
    setWindowTitle(QStringLiteral("SNMP View Table Configuration"));
    auto* layout = new QVBoxLayout(this);

    auto* group = new QGroupBox(QStringLiteral("SNMP View Table  Info"), this);
    auto* groupLayout = new QVBoxLayout(group);
    m_list = new CListView(IdList,
                           {QStringLiteral("View Name"), QStringLiteral("Subtree OID"), QStringLiteral("OID Mask"),
                            QStringLiteral("View Type")},
                           group);
    m_list->setAccessibleName(group->title());
    for (int c = 0; c < m_list->columnCount(); ++c)
        m_list->setColumnWidth(c, 100);
    groupLayout->addWidget(m_list);
    layout->addWidget(group, 1);

    m_name = control<QLineEdit>(IdName);
    m_subtree = control<QLineEdit>(IdSubtree);
    TypingLimit::apply(m_name, maxNameChars);
    TypingLimit::apply(m_subtree, maxNameChars);
    m_mask = control<QLineEdit>(IdMask);
    m_type = control<QComboBox>(IdType);
    m_type->addItems({QStringLiteral("Included"), QStringLiteral("Excluded")});

    auto* grid = new FieldGrid(this);
    grid->addRow(QStringLiteral("View Name "), m_name);
    grid->addRow(QStringLiteral("Subtree OID "), m_subtree);
    grid->addRow(QStringLiteral("OID Mask "), m_mask);
    grid->addRow(QStringLiteral("View Type"), m_type);
    layout->addLayout(grid);
    layout->addLayout(tableButtons(IdApply, IdDelete, IdRefresh, IdClose));

    resize(m_list->fullWidth() + 40, 460);
}

void CSnmpViewDlg::read()
{
    m_list->clearRows();
    m_rows.clear();
    walkViews([this](const SnmpViewRecord& record) { takeView(record); });
}

void CSnmpViewDlg::takeView(const SnmpViewRecord& record)
{
    const int row = m_list->appendRow(record.name);
    m_list->setCell(row, 1, record.subtree);
    m_list->setCell(row, 2, record.mask);
    m_list->setCell(row, 3, record.type);
    m_rows.push_back(record);
}

void CSnmpViewDlg::apply()
{
    const QString name = m_name->text().trimmed();
    if (name.isEmpty()) {
        MessageBox::info(QStringLiteral("Please enter valid view name."));
        return;
    }
    if (!IsValidNameText(name)) {
        MessageBox::info(QStringLiteral("Invalid View Name."));
        return;
    }
    const QString subtree = m_subtree->text();
    const qsizetype subtreeLength = checkedSubtreeLength(subtree);
    if (subtreeLength == 0)
        return;
    const QString mask = m_mask->text().trimmed();
    if (mask.isEmpty()) {
        MessageBox::info(QStringLiteral("Please enter valid OID Mask."));
        return;
    }
    const std::string maskOctets = checkedMaskOctets(mask);
    if (maskOctets.empty())
        return;
    if (qsizetype(maskOctets.size()) > subtreeLength) {
        MessageBox::info(QStringLiteral("Invalid  OID length"));
        return;
    }
    for (const SnmpViewRecord& row : m_rows) {
        if (row.name == name && row.subtree == subtree) {
            MessageBox::info(QStringLiteral("This View Entry already exist."));
            return;
        }
    }
    if (m_rows.size() >= maxViews) {
        MessageBox::info(QStringLiteral("Maximum number of View Entry is 50."));
        return;
    }
    // A mask shorter than the subtree is written as it is, without padding.
    const std::string index = ViewIndex(name, subtree.toStdString());
    createRow(viewColumn(5) + index, {viewSettings(index, maskOctets, m_type->currentIndex() == 0)},
              [this](const WriteResult& result) {
                  if (result.ok())
                      clearEntry();
                  refresh();
              });
}

void CSnmpViewDlg::clearEntry()
{
    m_name->clear();
    m_subtree->clear();
    m_mask->clear();
    m_type->setCurrentIndex(0);
}

void CSnmpViewDlg::deleteSelected()
{
    const int row = selectedRow(m_list);
    if (row < 0 || row >= int(m_rows.size())) {
        MessageBox::info(QStringLiteral("Please Selecte the Item you would delete"));
        return;
    }
    setRowStatus(viewColumn(5) + m_rows[std::size_t(row)].index, RowDestroy,
                 [this](const WriteResult&) { refresh(); });
}
