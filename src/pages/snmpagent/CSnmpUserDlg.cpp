#include "CSnmpUserDlg.h"

#include "CListView.h"
#include "FieldGrid.h"
#include "MessageBox.h"
#include "NameText.h"
#include "SnmpAgentIndex.h"
#include "TypingLimit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr int maxNameChars = 32;
constexpr std::size_t maxUsers = 50;
enum Version { V1, V2c, V3 };
enum AuthItem { AuthMd5, AuthSha };
enum PrivItem { PrivDes, PrivNone };
constexpr int maxMd5PasswordChars = 32;
constexpr int maxShaPasswordChars = 40;
constexpr int maxDesPasswordChars = 32;

} // namespace

CSnmpUserDlg::CSnmpUserDlg() : CSnmpAgentAdmin(198)
{
    setWindowTitle(QStringLiteral("SNMP User Table "));
    auto* layout = new QVBoxLayout(this);

    auto* group = new QGroupBox(QStringLiteral("User Table Info"), this);
    auto* groupLayout = new QVBoxLayout(group);
    m_list = new CListView(IdList,
                           {QStringLiteral("User Name"), QStringLiteral("Group Name"), QStringLiteral("SNMP Version"),
                            QStringLiteral("Auth Protocol"), QStringLiteral("Priv-Protocol")},
                           group);
    m_list->setAccessibleName(group->title());
    for (int c = 0; c < 5; ++c)
        m_list->setColumnWidth(c, c < 3 ? 100 : 105);
    groupLayout->addWidget(m_list);
    layout->addWidget(group, 1);

    m_name = control<QLineEdit>(IdName);
    m_group = control<QLineEdit>(IdGroup);
    TypingLimit::apply(m_name, maxNameChars);
    TypingLimit::apply(m_group, maxNameChars);
    m_version = control<QComboBox>(IdVersion);
    m_version->addItems({QStringLiteral("V1"), QStringLiteral("V2c"), QStringLiteral("V3")});
    m_encrypted = control<QCheckBox>(IdEncrypted, QStringLiteral("encrypted"));
    m_authProtocol = control<QComboBox>(IdAuthProtocol);
    m_authProtocol->addItems({QStringLiteral("MD5"), QStringLiteral("SHA")});
    m_authPassword = control<QLineEdit>(IdAuthPassword);
    m_privProtocol = control<QComboBox>(IdPrivProtocol);
    m_privProtocol->addItems({QStringLiteral("DES"), QStringLiteral("None")});
    m_privPassword = control<QLineEdit>(IdPrivPassword);
    for (QLineEdit* password : {m_authPassword, m_privPassword})
        password->setEchoMode(QLineEdit::Password);

    auto* grid = new FieldGrid(this);
    grid->addRow(QStringLiteral("User Name"), m_name);
    grid->addRow(QStringLiteral("Group Name"), m_group);
    grid->addRow(QStringLiteral("SNMP Version"), m_version);
    grid->addSpanningRow(m_encrypted);
    grid->addRow(QStringLiteral("Auth-Protocol"), m_authProtocol);
    grid->addRow(QStringLiteral("Password"), m_authPassword);
    grid->addRow(QStringLiteral("Priv-Protocol"), m_privProtocol);
    grid->addRow(QStringLiteral("Password"), m_privPassword);
    // Both password captions read "Password": screen readers name them by their protocol.
    m_authPassword->setAccessibleName(QStringLiteral("Auth-Protocol Password"));
    m_privPassword->setAccessibleName(QStringLiteral("Priv-Protocol Password"));
    layout->addLayout(grid);
    layout->addLayout(tableButtons(IdApply, IdDelete, IdRefresh, IdClose));

    connect(m_version, &QComboBox::activated, this, &CSnmpUserDlg::onVersionChosen);
    connect(m_encrypted, &QCheckBox::clicked, this, &CSnmpUserDlg::onEncryptedClicked);
    connect(m_privProtocol, &QComboBox::activated, this, &CSnmpUserDlg::onPrivProtocolChosen);
    for (QWidget* field : std::initializer_list<QWidget*>{m_encrypted, m_authProtocol, m_authPassword, m_privProtocol,
                                                          m_privPassword})
        field->setEnabled(false);

    resize(m_list->fullWidth() + 40, 560);
}

bool CSnmpUserDlg::version3() const
{
    return m_version->currentIndex() == V3;
}

// Only version 3 has protocols and passwords.
void CSnmpUserDlg::onVersionChosen()
{
    const bool v3 = version3();
    m_encrypted->setEnabled(v3);
    if (!v3) {
        for (QWidget* field : std::initializer_list<QWidget*>{m_authProtocol, m_authPassword, m_privProtocol,
                                                              m_privPassword})
            field->setEnabled(false);
    } else if (m_encrypted->isChecked()) {
        onEncryptedClicked(true);
    }
}

void CSnmpUserDlg::onEncryptedClicked(bool checked)
{
    m_authProtocol->setEnabled(checked);
    m_privProtocol->setEnabled(checked);
    m_authPassword->setEnabled(checked);
    m_privPassword->setEnabled(checked && m_privProtocol->currentIndex() == PrivDes);
}

void CSnmpUserDlg::onPrivProtocolChosen()
{
    m_privPassword->setEnabled(m_privProtocol->currentIndex() == PrivDes);
}

void CSnmpUserDlg::read()
{
    m_list->clearRows();
    m_rows.clear();
    walkUsers([this](const SnmpUserRecord& record) { takeUser(record); });
}

void CSnmpUserDlg::takeUser(const SnmpUserRecord& record)
{
    const int row = m_list->appendRow(record.name);
    m_list->setCell(row, 1, record.group);
    m_list->setCell(row, 2, record.version);
    m_list->setCell(row, 3, record.authProtocol);
    m_list->setCell(row, 4, record.privProtocol);
    m_rows.push_back(record);
}

void CSnmpUserDlg::refusePassword(QLineEdit* password, const QString& message)
{
    MessageBox::info(message);
    password->setFocus();
    password->selectAll();
}

bool CSnmpUserDlg::checkSecurity(UserColumns& columns)
{
    columns.version3 = version3();
    // Protocols and passwords belong to version 3 only; the box is inactive for the others.
    if (!columns.version3 || !m_encrypted->isChecked())
        return true;
    const bool sha = m_authProtocol->currentIndex() == AuthSha;
    columns.authProtocol = sha ? 3 : 2;
    columns.authPassword = m_authPassword->text().trimmed();
    if (columns.authPassword.isEmpty()) {
        refusePassword(m_authPassword, QStringLiteral("Auth-Protocol Password can't be empty."));
        return false;
    }
    if (!sha && columns.authPassword.size() > maxMd5PasswordChars) {
        refusePassword(m_authPassword, QStringLiteral(" MD5 Max. Password length is 32."));
        return false;
    }
    if (sha && columns.authPassword.size() > maxShaPasswordChars) {
        refusePassword(m_authPassword, QStringLiteral(" SHA Max. Password length is 40."));
        return false;
    }
    columns.privacy = m_privProtocol->currentIndex() == PrivDes;
    if (!columns.privacy)
        return true;
    columns.privPassword = m_privPassword->text();
    if (columns.privPassword.isEmpty()) {
        refusePassword(m_privPassword, QStringLiteral("Priv-Protocol Password can't be empty."));
        return false;
    }
    if (columns.privPassword.size() > maxDesPasswordChars) {
        refusePassword(m_privPassword, QStringLiteral(" DES Max. Password length is 32."));
        return false;
    }
    return true;
}

void CSnmpUserDlg::apply()
{
    const QString name = m_name->text().trimmed();
    if (name.isEmpty()) {
        MessageBox::info(QStringLiteral("Please enter valid User Name "));
        return;
    }
    if (!IsValidNameText(name)) {
        MessageBox::info(QStringLiteral("Invalid User Name ."));
        return;
    }
    UserColumns columns;
    columns.group = m_group->text().trimmed();
    if (columns.group.isEmpty()) {
        MessageBox::info(QStringLiteral("Please enter valid Group Name "));
        return;
    }
    if (!IsValidNameText(columns.group)) {
        MessageBox::info(QStringLiteral("Invalid Group Name."));
        return;
    }
    const QString versionText = m_version->currentText();
    for (const SnmpUserRecord& row : m_rows) {
        if (row.name == name && row.version.compare(versionText, Qt::CaseInsensitive) == 0) {
            MessageBox::info(QStringLiteral("This User Entry already exists."));
            return;
        }
    }
    if (m_rows.size() >= maxUsers) {
        MessageBox::info(QStringLiteral("Maximum number of User Entry is 50."));
        return;
    }
    if (!checkSecurity(columns))
        return;
    const std::string index = UserIndex(name, m_version->currentIndex() + 1);
    createRow(userColumn(8) + index, userColumns(index, columns), [this](const WriteResult& result) {
        if (result.ok())
            clearEntry();
        refresh();
    });
}

void CSnmpUserDlg::clearEntry()
{
    m_name->clear();
    m_group->clear();
    m_authPassword->clear();
    m_privPassword->clear();
    m_version->setCurrentIndex(0);
    m_authProtocol->setCurrentIndex(0);
    m_privProtocol->setCurrentIndex(0);
    m_encrypted->setChecked(false);
    onVersionChosen();
}

void CSnmpUserDlg::deleteSelected()
{
    const int row = selectedRow(m_list);
    if (row < 0 || row >= int(m_rows.size())) {
        MessageBox::info(QStringLiteral("Please select the item would be delete!\n"));
        return;
    }
    setRowStatus(userColumn(8) + m_rows[std::size_t(row)].index, RowDestroy,
                 [this](const WriteResult&) { refresh(); });
}
