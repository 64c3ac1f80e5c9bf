// sorvex-bench-startup: one measurement per run, printed as "key=value" words.
//
//   sorvex-bench-startup bare LAUNCH_NS             a bare QDialog of the device window's size
//   sorvex-bench-startup device LAUNCH_NS ADDRESS   the device window as start-up builds it
//   sorvex-bench-startup idle SECONDS ADDRESS       CPU of an open device window, polling and blinking
//
// LAUNCH_NS is the wall clock (CLOCK_REALTIME, ns) just before the program was started; the
// start-up figure runs from there to the end of the first paint of the panel (or the dialog).

#include "CDeviceDlg.h"
#include "LaunchParams.h"
#include "SnmpFront.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>

#include <sys/resource.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// The device window's client area: the panel (850x120) under a menu bar.
constexpr int kPanelWidth = 850;
constexpr int kPanelHeight = 120;

long long NowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

long MaxRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Reports once, after the first paint of `target` has run.
class FirstPaint : public QObject {
public:
    FirstPaint(QWidget* target, long long launchNs)
        : m_launchNs(launchNs)
    {
        target->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, this, [this] {
                std::printf("startup_ms=%.1f maxrss_kb=%ld\n", (NowNs() - m_launchNs) / 1e6, MaxRssKb());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    long long m_launchNs;
    bool m_seen = false;
};

std::unique_ptr<QWidget> DeviceWindow(const char* address)
{
    snmp::SnmpInit("sorvex-bench");
    snmp::SetSnmpTimeout(5000);
    LaunchParams::setCurrent(LaunchParams::parse(std::string("/A1/I") + address + "/Rtundra/Wlantern/ETRUE/V1/P161"));
    LaunchParams::setTimeoutText("3000");
    return std::make_unique<CDeviceDlg>();
}

std::unique_ptr<QWidget> BareDialog()
{
    auto dialog = std::make_unique<QDialog>();
    auto* layout = new QVBoxLayout(dialog.get());
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QMenuBar(dialog.get());
    for (const char* title : {"&Device Manager   ", "&Public MIB   ", "&Tools   ", "&About   "})
        bar->addMenu(QString::fromLatin1(title));
    layout->setMenuBar(bar);
    auto* client = new QWidget(dialog.get());
    client->setFixedSize(kPanelWidth, kPanelHeight);
    layout->addWidget(client);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return dialog;
}

int Usage()
{
    std::fprintf(stderr, "usage: sorvex-bench-startup bare LAUNCH_NS | device LAUNCH_NS ADDRESS | idle SECONDS ADDRESS\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc < 3)
        return Usage();
    const QByteArray mode = argv[1];

    if (mode == "bare" || mode == "device") {
        if (mode == "device" && argc < 4)
            return Usage();
        const long long launchNs = std::atoll(argv[2]);
        std::unique_ptr<QWidget> window = mode == "bare" ? BareDialog() : DeviceWindow(argv[3]);
        QWidget* painted = mode == "bare" ? window.get() : window->findChild<QWidget*>(QStringLiteral("panel"));
        FirstPaint probe(painted ? painted : window.get(), launchNs);
        window->show();
        return QApplication::exec();
    }
    if (mode == "idle" && argc >= 4) {
        const int seconds = std::atoi(argv[2]);
        std::unique_ptr<QWidget> window = DeviceWindow(argv[3]);
        window->show();
        double startCpu = 0;
        QElapsedTimer clock;
        // Measured once the first polling cycles have settled.
        QTimer::singleShot(3000, [&] {
            startCpu = CpuSeconds();
            clock.start();
            QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, [&] {
                const double cpu = CpuSeconds() - startCpu;
                const double wall = clock.elapsed() / 1000.0;
                std::printf("idle_cpu_s=%.3f wall_s=%.1f cpu_percent=%.2f\n", cpu, wall, 100.0 * cpu / wall);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        });
        return QApplication::exec();
    }
    return Usage();
}
