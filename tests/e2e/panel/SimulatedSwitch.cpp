#include "SimulatedSwitch.h"

#include <QDeadlineTimer>
#include <QUdpSocket>

SimulatedSwitch::SimulatedSwitch(QStringList extraArguments)
    : m_extra(std::move(extraArguments))
    , m_port(FreeUdpPort())
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

SimulatedSwitch::~SimulatedSwitch()
{
    Stop();
}

int SimulatedSwitch::FreeUdpPort()
{
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    return probe.localPort();
}

QString SimulatedSwitch::Address() const
{
    return QStringLiteral("127.0.0.1:%1").arg(m_port);
}

bool SimulatedSwitch::Start()
{
    QStringList arguments{QStringLiteral("--listen"), Address(), QStringLiteral("--state-dir"), m_state.path()};
    m_process.start(QStringLiteral(SORVEX_SIM_PATH), arguments + m_extra);
    if (!m_process.waitForStarted(5000))
        return false;
    QByteArray out;
    // Generous: on a machine busy with builds the simulator may need many seconds to come up.
    const QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired() && m_process.state() == QProcess::Running) {
        m_process.waitForReadyRead(100);
        out += m_process.readAllStandardOutput();
        if (out.contains("listening on"))
            return true;
    }
    return false;
}

void SimulatedSwitch::Stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}
