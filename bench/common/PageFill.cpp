#include "PageFill.h"

#include "CListView.h"

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace {

// Counts the list's paint events.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

PageRun MeasurePageFill(QDialog& page, QPushButton* refresh, CListView* list)
{
    PaintCounter counter;
    list->viewport()->installEventFilter(&counter);

    PageRun run;
    QElapsedTimer clock, sinceTick;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        run.longestStallMs = std::max(run.longestStallMs, sinceTick.nsecsElapsed() / 1e6);
        sinceTick.restart();
    });
    bool started = false;
    clock.start();
    sinceTick.start();
    ticker.start();
    page.show();
    // The reads have ended when Refresh is enabled again.
    while (!(started && refresh->isEnabled())) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
        started = started || !refresh->isEnabled();
    }
    run.seconds = clock.nsecsElapsed() / 1e9;
    ticker.stop();
    run.rows = list->rowCount();
    run.paints = counter.paints;
    list->viewport()->removeEventFilter(&counter);
    page.reject();
    return run;
}
