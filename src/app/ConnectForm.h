#pragma once
// What the Connect dialog's fields hold, the checks they must pass before anything is started,
// and the launch parameters they stand for.

#include "LaunchParams.h"

#include <QString>

struct ConnectForm {
    enum class AuthProtocol { HmacMd5, HmacSha };

    QString address; // "host" or "host:port"
    int version = 1; // 1 or 3
    // Version 1.
    QString readCommunity;
    QString writeCommunity;
    bool writeEnabled = true;
    // Version 3: security level 1 none, 2 authentication, 3 authentication and privacy (CBC-DES).
    QString user;
    int securityLevel = 3;
    AuthProtocol authProtocol = AuthProtocol::HmacSha;
    QString authPassword;
    QString privPassword;

    // net-snmp derives no key from a shorter password.
    static constexpr int kMinPasswordLength = 8;

    // The first refusal in the order of the form (address, community or user, passwords), or an
    // empty text when the form can be used.
    QString problem() const;
    // The parameters a launch line with these values gives.
    LaunchParams params() const;
};
