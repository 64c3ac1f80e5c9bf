#pragma once
// The switches the Connect dialog has connected to, newest first, in a JSON file under the
// user's configuration folder. An entry holds what identifies the switch and how to talk to it,
// never a community or a password: those live in the desktop's secret store (SwitchSecrets).

#include "ConnectForm.h"

#include <QList>
#include <QString>

struct RememberedSwitch {
    QString address;
    int version = 1;
    QString user; // version 3
    int securityLevel = 3;
    ConnectForm::AuthProtocol authProtocol = ConnectForm::AuthProtocol::HmacSha;
    bool writeEnabled = true;

    // The form's fields without its secrets, and back.
    static RememberedSwitch fromForm(const ConnectForm& form);
    void fillForm(ConnectForm& form) const;
    // What names the entry and its secrets: address, version and user.
    QString key() const;
    // "10.0.0.5  version 3  admin" or "10.0.0.5  version 1  community".
    QString label() const;
};

class RememberedSwitches {
public:
    static constexpr int kMaxEntries = 20;

    // The file in the configuration folder (XDG_CONFIG_HOME, ~/.config by default).
    static QString defaultPath();

    explicit RememberedSwitches(QString path = defaultPath());

    // Reads the file; a missing or unreadable file is an empty list.
    void load();
    QList<RememberedSwitch> entries() const { return m_entries; }
    // Puts the entry first, in place of one with the same key; false when the file cannot be written.
    bool remember(const RememberedSwitch& entry);
    bool forget(const QString& key);
    QString path() const { return m_path; }

private:
    bool save() const;

    QString m_path;
    QList<RememberedSwitch> m_entries;
};
