#include "DeviceTools.h"

#include "CCommonSNMP.h"
#include "DeviceOids.h"
#include "MessageBox.h"
#include "QueuedDelivery.h"
#include "SnmpTypes.h"
#include "ToolLauncher.h"

namespace {

constexpr int kSaveTimeoutMs = 5000;

} // namespace

DeviceTools::DeviceTools(CCommonSNMP& setSession, std::string address)
    : m_setSession(setSession)
    , m_address(std::move(address))
{
}

void DeviceTools::SaveConfiguration(QObject* receiver, std::function<void()> finished)
{
    if (!MessageBox::question(QStringLiteral("Do you want to save the configuration?"))) {
        finished();
        return;
    }
    snmp::SetStep save;
    save.bindings.push_back({snmp::deviceoid::saveConfig, snmp::Syntax::Integer, "1"});
    save.timeoutMs = kSaveTimeoutMs;
    m_setSession.write({save}, [delivery = QueuedDelivery(receiver), finished](snmp::WriteResult result) {
        delivery.post([result, finished] {
            MessageBox::info(result.ok() ? QStringLiteral("  Success!  ") : QStringLiteral("  Failed!  "));
            finished();
        });
    });
}

void DeviceTools::Telnet(bool ask)
{
    if (ask && !MessageBox::question(QStringLiteral("Do you want to TELNET this device?")))
        return;
    ToolLauncher& launcher = ToolLauncher::Current();
    const QString terminal = launcher.Terminal();
    if (terminal.isEmpty())
        return;
    QStringList arguments{QStringLiteral("-e"), QStringLiteral("telnet")};
    const QString host = HostOf(m_address);
    if (!host.isEmpty())
        arguments << host;
    launcher.Start(terminal, arguments);
}

void DeviceTools::Web()
{
    if (!MessageBox::question(QStringLiteral("Do you want to access this device with browser?")))
        return;
    ToolLauncher& launcher = ToolLauncher::Current();
    const QString opener = launcher.HttpOpener();
    if (opener.isEmpty()) {
        MessageBox::info(QStringLiteral("Failed to get IE path !"));
        return;
    }
    const QString host = HostOf(m_address);
    launcher.Start(opener, host.isEmpty() ? QStringList() : QStringList{QStringLiteral("http://") + host});
}

QString DeviceTools::HostOf(const std::string& address)
{
    const QString text = QString::fromStdString(address);
    if (text.startsWith(QLatin1Char('['))) {
        const qsizetype close = text.indexOf(QLatin1Char(']'));
        return close < 0 ? text : text.left(close + 1);
    }
    // One colon is a port suffix; more are an IPv6 address without one.
    if (text.count(QLatin1Char(':')) == 1)
        return text.left(text.indexOf(QLatin1Char(':')));
    return text;
}
