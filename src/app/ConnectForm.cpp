#include "ConnectForm.h"

#include "PeerAddress.h"

QString ConnectForm::problem() const
{
    const QString host = address.trimmed();
    if (host.isEmpty())
        return QStringLiteral("Enter the address of the switch.");
    std::string reason;
    if (!snmp::PeerAddress::parse(host.toStdString(), reason))
        return QStringLiteral("The address cannot be used: %1.").arg(QString::fromStdString(reason));
    if (version == 1) {
        if (readCommunity.isEmpty())
            return QStringLiteral("Enter the read community.");
        if (writeCommunity.isEmpty())
            return QStringLiteral("Enter the write community.");
        return {};
    }
    if (user.isEmpty())
        return QStringLiteral("Enter the user name.");
    if (securityLevel >= 2 && authPassword.size() < kMinPasswordLength)
        return QStringLiteral("The authentication password needs at least 8 characters.");
    if (securityLevel == 3 && privPassword.size() < kMinPasswordLength)
        return QStringLiteral("The privacy password needs at least 8 characters.");
    return {};
}

LaunchParams ConnectForm::params() const
{
    LaunchParams p;
    p.FirstToken = "1";
    p.IPAddress = address.trimmed().toStdString();
    p.SnmpVersion = version == 3 ? "3" : "1";
    if (version == 1) {
        p.ReadCommunity = readCommunity.toStdString();
        p.WriteCommunity = writeCommunity.toStdString();
        p.WriteEnabled = writeEnabled ? 1 : 0;
        return p;
    }
    p.WriteEnabled = 1;
    p.SecurityLevel = std::to_string(securityLevel);
    p.UserName = user.toStdString();
    if (securityLevel >= 2) {
        p.AuthProtocol = authProtocol == AuthProtocol::HmacMd5 ? "2" : "3";
        p.AuthPassword = authPassword.toStdString();
    }
    if (securityLevel == 3) {
        p.PrivProtocol = "2";
        p.PrivPassword = privPassword.toStdString();
    }
    return p;
}
