#pragma once
// "SNMP User Table ": the agent's users (name, group, version; for version 3 the
// authentication and privacy protocols and passwords); adds one user and deletes the selected
// one.

#include "CSnmpAgentAdmin.h"

class CListView;
class QCheckBox;
class QComboBox;
class QLineEdit;

class CSnmpUserDlg : public CSnmpAgentAdmin {
    Q_OBJECT
public:
    enum ControlId {
        IdList = 1145,
        IdName = 1183,
        IdGroup = 1172,
        IdVersion = 1184,
        IdEncrypted = 1148,
        IdAuthProtocol = 1185,
        IdAuthPassword = 1007,
        IdPrivProtocol = 1186,
        IdPrivPassword = 1008,
        IdApply = 1000,
        IdDelete = 1001,
        IdRefresh = 1002,
        IdClose = 1128,
    };

    CSnmpUserDlg();

protected:
    void read() override;
    void apply() override;
    void deleteSelected() override;

private:
    void takeUser(const SnmpUserRecord& record);
    void onVersionChosen();
    void onEncryptedClicked(bool checked);
    void onPrivProtocolChosen();
    bool version3() const;
    // The protocols and passwords, or false after a message.
    bool checkSecurity(UserColumns& columns);
    // Shows the message and puts the focus on the password with its text selected.
    void refusePassword(QLineEdit* password, const QString& message);
    void clearEntry();

    CListView* m_list;
    QLineEdit* m_name;
    QLineEdit* m_group;
    QComboBox* m_version;
    QCheckBox* m_encrypted;
    QComboBox* m_authProtocol;
    QLineEdit* m_authPassword;
    QComboBox* m_privProtocol;
    QLineEdit* m_privPassword;
    std::vector<SnmpUserRecord> m_rows; // the rows the list shows, in its order
};
