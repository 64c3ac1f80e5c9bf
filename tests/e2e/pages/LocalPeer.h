#pragma once
// An SNMP agent process started by a test on a free loopback port and stopped by its PID.

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class LocalPeer {
public:
    ~LocalPeer() { stop(); }

    static int freeUdpPort();
    // Runs net-snmp's command-line tool and returns its standard output ("" on failure).
    static QString snmpTool(const QString& tool, const QStringList& arguments, int timeoutMs = 30000);

    // sorvex-sim with the given extra options.
    bool startSimulator(const QString& binary, const QStringList& options);
    // A private snmpd: communities tundra (read) and lantern (write), sysName e2e-snmpd.
    bool startSnmpd();
    void stop();

    QString address() const { return m_address; }

private:
    bool waitUntilAnswering();

    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_address;
};

// One sorvex-sim for a whole test suite: SetUpTestSuite starts it, TearDownTestSuite stops it.
class SuiteSimulator {
public:
    // Initialises the SNMP library under `programName` and starts the simulator; the address,
    // empty when it did not start.
    static QString start(const char* programName, const QStringList& options = {});
    static void stop();
};
