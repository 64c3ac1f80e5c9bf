#pragma once
// sorvex-sim on a free loopback port, started and stopped by this test process (by its own
// child's PID, never by name).

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

class SimulatedSwitch {
public:
    explicit SimulatedSwitch(QStringList extraArguments = {});
    ~SimulatedSwitch();

    // Starts on the port chosen at construction (the same port again after Stop). False when the
    // simulator did not report that it listens.
    bool Start();
    void Stop();
    QString Address() const;

private:
    static int FreeUdpPort();

    QStringList m_extra;
    int m_port;
    QTemporaryDir m_state;
    QProcess m_process;
};
