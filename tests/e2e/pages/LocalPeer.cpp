#include "LocalPeer.h"

#include "SnmpFront.h"

#include <memory>

#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <QUdpSocket>

int LocalPeer::freeUdpPort()
{
    QUdpSocket socket;
    if (!socket.bind(QHostAddress::LocalHost, 0))
        return 0;
    return socket.localPort();
}

QString LocalPeer::snmpTool(const QString& tool, const QStringList& arguments, int timeoutMs)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MIBS"), QString());
    process.setProcessEnvironment(env);
    process.start(tool, arguments);
    if (!process.waitForFinished(timeoutMs) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool LocalPeer::startSimulator(const QString& binary, const QStringList& options)
{
    const int port = freeUdpPort();
    m_address = QStringLiteral("127.0.0.1:%1").arg(port);
    QStringList arguments{QStringLiteral("--listen"), m_address, QStringLiteral("--state-dir"), m_dir.path()};
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(binary, arguments + options);
    return m_process.waitForStarted() && waitUntilAnswering();
}

bool LocalPeer::startSnmpd()
{
    const int port = freeUdpPort();
    m_address = QStringLiteral("127.0.0.1:%1").arg(port);
    const QString config = m_dir.filePath(QStringLiteral("snmpd.conf"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QStringLiteral("agentAddress udp:%1\n"
                              "rocommunity tundra 127.0.0.1\n"
                              "rwcommunity lantern 127.0.0.1\n"
                              "sysName e2e-snmpd\n"
                              "sysLocation lab\n"
                              "sysContact ops\n"
                              "[snmp] persistentDir %2/persist\n")
                   .arg(m_address, m_dir.path())
                   .toUtf8());
    file.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MIBS"), QString());
    m_process.setProcessEnvironment(env);
    m_process.start(QStringLiteral("snmpd"), {QStringLiteral("-f"), QStringLiteral("-C"), QStringLiteral("-c"), config,
                                              QStringLiteral("-Lf"), m_dir.filePath(QStringLiteral("log"))});
    return m_process.waitForStarted() && waitUntilAnswering();
}

bool LocalPeer::waitUntilAnswering()
{
    QElapsedTimer timer;
    timer.start();
    // Generous: on a machine busy with builds a peer may need many seconds to come up.
    while (timer.elapsed() < 30000) {
        const QString out = snmpTool(QStringLiteral("snmpget"),
                                     {QStringLiteral("-v1"), QStringLiteral("-c"), QStringLiteral("tundra"),
                                      QStringLiteral("-r"), QStringLiteral("0"), QStringLiteral("-t"),
                                      QStringLiteral("0.2"), QStringLiteral("-On"), m_address,
                                      QStringLiteral("1.3.6.1.2.1.1.5.0")});
        if (!out.isEmpty())
            return true;
        if (m_process.state() == QProcess::NotRunning)
            return false;
        QThread::msleep(100);
    }
    return false;
}

void LocalPeer::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate(); // SIGTERM to the PID this object started
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(2000);
    }
}

namespace {

std::unique_ptr<LocalPeer>& suitePeer()
{
    static std::unique_ptr<LocalPeer> peer;
    return peer;
}

} // namespace

QString SuiteSimulator::start(const char* programName, const QStringList& options)
{
    snmp::SnmpInit(programName);
    suitePeer() = std::make_unique<LocalPeer>();
    return suitePeer()->startSimulator(QStringLiteral(SORVEX_SIM_BINARY), options) ? suitePeer()->address() : QString();
}

void SuiteSimulator::stop()
{
    suitePeer().reset();
}
