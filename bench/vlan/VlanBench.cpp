// The 802.1Q VLAN list filling from sorvex-sim serving 4,094 VLANs, beside net-snmp's
// `snmpwalk -Cc` of the same four columns (name, egress and untagged ports, row status), in the
// same run against the same simulator. The page's time runs from its first paint until every
// read has ended (the VLAN walk, and the PVID walk and three gets it needs besides). Prints the
// median times, the ratio (target <= 1.25), and how the window kept repainting while it filled.
//   bench_vlan [RUNS] [VLANS]

#include "CListView.h"
#include "CVlanConfigDlg.h"
#include "DeviceOids.h"
#include "Enterprise.h"
#include "LaunchParams.h"
#include "LocalPeer.h"
#include "PageFill.h"
#include "SnmpFront.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

PageRun runPage()
{
    CVlanConfigDlg page;
    return MeasurePageFill(page, page.findChild<QPushButton*>(QString::number(CVlanConfigDlg::IdRefresh)),
                           page.findChild<CListView*>(QString::number(CVlanConfigDlg::IdList)));
}

// The four columns walked by snmpwalk -Cc, one after the other; returns seconds and values.
std::pair<double, int> runSnmpwalk(const QString& address)
{
    namespace deviceoid = snmp::deviceoid;
    QElapsedTimer clock;
    clock.start();
    int values = 0;
    for (int column : {deviceoid::VlanName, deviceoid::VlanEgress, deviceoid::VlanUntagged, deviceoid::VlanRowStatus}) {
        const QString out = LocalPeer::snmpTool(
            QStringLiteral("snmpwalk"),
            {QStringLiteral("-Cc"), QStringLiteral("-On"), QStringLiteral("-v1"), QStringLiteral("-c"),
             QStringLiteral("tundra"), address, QString::fromStdString(snmp::expandEnterprise(deviceoid::vlanColumn(column)))},
            120000);
        values += int(out.count(QLatin1Char('\n')));
    }
    return {clock.nsecsElapsed() / 1e9, values};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    const QString vlans = argc > 2 ? QString::fromLatin1(argv[2]) : QStringLiteral("4094");

    snmp::SnmpInit("bench-vlan");
    LocalPeer sim;
    if (!sim.startSimulator(QStringLiteral(SORVEX_SIM_BINARY), {QStringLiteral("--vlans"), vlans})) {
        std::fprintf(stderr, "sorvex-sim did not start\n");
        return 1;
    }
    LaunchParams::setCurrent(
        LaunchParams::parse("/A1/I" + sim.address().toStdString() + "/Rtundra/Wlantern/ETRUE/V1/P161"));

    std::vector<double> pageTimes, walkTimes;
    PageRun last;
    int walkValues = 0;
    runPage(); // warm-up: first session, fonts, caches
    for (int i = 0; i < runs; ++i) {
        // Each side goes first every other run, so a change of load falls on both alike.
        std::pair<double, int> walk;
        if (i % 2) {
            last = runPage();
            walk = runSnmpwalk(sim.address());
        } else {
            walk = runSnmpwalk(sim.address());
            last = runPage();
        }
        walkTimes.push_back(walk.first);
        walkValues = walk.second;
        pageTimes.push_back(last.seconds);
        std::printf("run %d: page %.3f s (%d rows, %d paints, longest stall %.1f ms); snmpwalk -Cc x4 %.3f s (%d values)\n",
                    i + 1, last.seconds, last.rows, last.paints, last.longestStallMs, walk.first, walk.second);
    }
    const double page = median(pageTimes), walk = median(walkTimes);
    const double bestPage = *std::min_element(pageTimes.begin(), pageTimes.end());
    const double bestWalk = *std::min_element(walkTimes.begin(), walkTimes.end());
    std::printf("802.1Q VLAN list: %d rows in %.3f s (%.0f rows/s); snmpwalk -Cc of the four columns: %d values "
                "in %.3f s; ratio %.2f (target <= 1.25); best runs %.3f s / %.3f s, ratio %.2f\n",
                last.rows, page, last.rows / page, walkValues, walk, page / walk, bestPage, bestWalk,
                bestPage / bestWalk);
    return 0;
}
