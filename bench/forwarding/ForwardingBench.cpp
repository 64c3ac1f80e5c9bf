// The Forwarding Table page filling its list from sorvex-sim (5,000 learned entries), beside
// net-snmp's `snmpwalk -Cc` of the same two columns (dot1qTpFdbStatus, dot1qTpFdbPort), in the
// same run against the same simulator. Prints the median times, the ratio (target <= 1.25), and
// how the window kept repainting while it filled.
//   bench_forwarding [RUNS] [ENTRIES]

#include "CForwardingTableDlg.h"
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
    CForwardingTableDlg page;
    return MeasurePageFill(page, page.findChild<QPushButton*>(QString::number(CMibTableDialog::IdRefresh)),
                           page.findChild<CListView*>(QString::number(CMibTableDialog::IdList)));
}

// Both columns walked by snmpwalk -Cc, one after the other; returns seconds and rows.
std::pair<double, int> runSnmpwalk(const QString& address)
{
    QElapsedTimer clock;
    clock.start();
    int rows = 0;
    for (const char* column : {"1.3.6.1.2.1.17.7.1.2.2.1.3", "1.3.6.1.2.1.17.7.1.2.2.1.2"}) {
        const QString out = LocalPeer::snmpTool(QStringLiteral("snmpwalk"),
                                                {QStringLiteral("-Cc"), QStringLiteral("-On"), QStringLiteral("-v1"),
                                                 QStringLiteral("-c"), QStringLiteral("tundra"), address,
                                                 QString::fromLatin1(column)},
                                                120000);
        rows += int(out.count(QLatin1Char('\n')));
    }
    return {clock.nsecsElapsed() / 1e9, rows};
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
    const QString entries = argc > 2 ? QString::fromLatin1(argv[2]) : QStringLiteral("5000");

    snmp::SnmpInit("bench-forwarding");
    LocalPeer sim;
    if (!sim.startSimulator(QStringLiteral(SORVEX_SIM_BINARY), {QStringLiteral("--fdb-entries"), entries})) {
        std::fprintf(stderr, "sorvex-sim did not start\n");
        return 1;
    }
    LaunchParams::setCurrent(
        LaunchParams::parse("/A1/I" + sim.address().toStdString() + "/Rtundra/Wlantern/ETRUE/V1/P161"));

    std::vector<double> pageTimes, walkTimes;
    PageRun last;
    int walkRows = 0;
    runPage(); // warm-up: first session, fonts, caches
    for (int i = 0; i < runs; ++i) {
        const auto [walkSeconds, rows] = runSnmpwalk(sim.address());
        walkTimes.push_back(walkSeconds);
        walkRows = rows;
        last = runPage();
        pageTimes.push_back(last.seconds);
        std::printf("run %d: page %.3f s (%d rows, %d paints, longest stall %.1f ms); snmpwalk -Cc x2 %.3f s (%d rows)\n",
                    i + 1, last.seconds, last.rows, last.paints, last.longestStallMs, walkSeconds, rows);
    }
    // The machine is shared: the best runs show each side least disturbed.
    const double page = median(pageTimes), walk = median(walkTimes);
    const double bestPage = *std::min_element(pageTimes.begin(), pageTimes.end());
    const double bestWalk = *std::min_element(walkTimes.begin(), walkTimes.end());
    std::printf("Forwarding Table page: %d rows in %.3f s (%.0f rows/s); snmpwalk -Cc of the two columns: %d values "
                "in %.3f s; ratio %.2f (target <= 1.25); best runs %.3f s / %.3f s, ratio %.2f\n",
                last.rows, page, last.rows / page, walkRows, walk, page / walk, bestPage, bestWalk,
                bestPage / bestWalk);
    return 0;
}
