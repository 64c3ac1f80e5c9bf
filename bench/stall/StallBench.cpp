// How long the GUI thread stops while a page talks to a slow or silent switch: the longest gap
// between ticks of a 5 ms timer (a) while System Information writes to sorvex-sim answering
// 2,000 ms late, and (b) while it opens, reads and closes over version 3 against a loopback port
// that never answers. Beside each, the same timer on an idle event loop for as long, in the same
// run: the machine's own jitter. Target: under 50 ms.
//   bench_stall [DELAY_MS]

#include "CSystemInfoDlg.h"
#include "LaunchParams.h"
#include "LocalPeer.h"
#include "SnmpFront.h"
#include "UserInputBlock.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QUdpSocket>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// Runs the event loop until `done` holds (or `limitMs`), and returns the longest gap between two
// ticks of a 5 ms timer meanwhile.
double longestStallMs(const std::function<bool()>& done, int limitMs)
{
    QElapsedTimer clock, sinceTick;
    clock.start();
    sinceTick.start();
    double longest = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longest = std::max(longest, sinceTick.nsecsElapsed() / 1e6);
        sinceTick.restart();
    });
    tick.start(5);
    while (!done() && clock.elapsed() < limitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return std::max(longest, sinceTick.nsecsElapsed() / 1e6);
}

double idleStallMs(int ms)
{
    QElapsedTimer clock;
    clock.start();
    return longestStallMs([&] { return clock.elapsed() >= ms; }, ms + 1000);
}

QPushButton* button(QWidget& page, int id)
{
    return page.findChild<QPushButton*>(QString::number(id));
}

void report(const QString& what, double ms, double idleMs)
{
    std::printf("%-66s longest stall %7.1f ms, idle loop %5.1f ms (target < 50 ms: %s)\n", qPrintable(what), ms,
                idleMs, ms < 50 ? "met" : "NOT met");
}

// sorvex-sim answering every request `delay` ms late; the address, empty when it did not start.
// (LocalPeer's start waits for a prompt answer, which this one never gives.)
QString startSlowSimulator(QProcess& process, const QTemporaryDir& dir, const QString& delay)
{
    const QString address = QStringLiteral("127.0.0.1:%1").arg(LocalPeer::freeUdpPort());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(SORVEX_SIM_BINARY), {QStringLiteral("--listen"), address, QStringLiteral("--state-dir"),
                                                       dir.path(), QStringLiteral("--delay-ms"), delay});
    QByteArray output;
    QElapsedTimer clock;
    clock.start();
    while (process.waitForReadyRead(1000) || (process.state() == QProcess::Running && clock.elapsed() < 20000)) {
        output += process.readAll();
        if (output.contains("listening on " + address.toLatin1()))
            return address;
        if (clock.elapsed() > 20000)
            break;
    }
    return {};
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString delay = argc > 1 ? QString::fromLatin1(argv[1]) : QStringLiteral("2000");
    using Id = CSystemInfoDlg::ControlId;
    snmp::SnmpInit("bench-stall");

    {
        QTemporaryDir dir;
        QProcess sim;
        const QString address = startSlowSimulator(sim, dir, delay);
        if (address.isEmpty()) {
            std::fprintf(stderr, "sorvex-sim did not start\n");
            return 1;
        }
        LaunchParams::setCurrent(LaunchParams::parse("/A1/I" + address.toStdString() + "/Rtundra/Wlantern/ETRUE/V1/P161"));
        LaunchParams::setTimeoutText("5000");
        CSystemInfoDlg page;
        page.show();
        longestStallMs([&] { return button(page, Id::IdApply)->isEnabled(); }, 20000);
        QElapsedTimer clock;
        clock.start();
        button(page, Id::IdApply)->click();
        const double stall = longestStallMs([] { return !UserInputBlock::active(); }, 20000);
        const int took = int(clock.elapsed());
        report(QStringLiteral("a write to a switch answering %1 ms late (took %2 ms)").arg(delay).arg(took), stall,
               idleStallMs(took));
        sim.terminate();
        sim.waitForFinished(5000);
    }
    {
        QUdpSocket silent; // bound, never answers
        silent.bind(QHostAddress::LocalHost, 0);
        LaunchParams::setCurrent(LaunchParams::parse("/A1/I127.0.0.1:" + std::to_string(silent.localPort()) +
                                                     "/R/W/ETRUE/V3/P161/X/Y/T1/S3/Uadmin/Aauthpass1/Bprivpass1/H3/J2"));
        LaunchParams::setTimeoutText("3000");
        QElapsedTimer clock;
        clock.start();
        double stall = 0;
        {
            CSystemInfoDlg page;
            page.show();
            stall = longestStallMs([&] { return clock.elapsed() > 200 && button(page, Id::IdRefresh)->isEnabled(); },
                                   20000);
            // A second read, and the page closed while it waits.
            QTimer::singleShot(300, &page, [&] { page.reject(); });
            button(page, Id::IdRefresh)->click();
            stall = std::max(stall, longestStallMs([&] { return !page.isVisible(); }, 20000));
        }
        const int took = int(clock.elapsed());
        report(QStringLiteral("a v3 page opening, reading and closing against a silent port (took %1 ms)").arg(took),
               stall, idleStallMs(took));
    }
    return 0;
}
