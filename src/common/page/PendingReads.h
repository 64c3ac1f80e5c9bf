#pragma once
// The read gate of a page: a check must never decide on data that has not arrived, and a write
// never sends what was not read.
//
// Each begin() is matched by one end(succeeded). Controls added with addControl (Refresh) are
// enabled whenever no read runs, so after a failure the operator can read again; controls added
// with addWriteControl (Apply) only when no read runs and every read since the last restart()
// has succeeded.

#include <QPointer>
#include <QWidget>

#include <initializer_list>
#include <vector>

class PendingReads {
public:
    PendingReads(std::initializer_list<QWidget*> controls = {});
    void addControl(QWidget* control);
    void addWriteControl(QWidget* control);

    // A read of everything the page shows starts: earlier failures are forgotten.
    void restart();
    void begin();
    void end(bool succeeded);

    bool idle() const { return m_running == 0; }
    // Every read has ended and none failed: the data the checks use is all there.
    bool ready() const { return idle() && !m_failed; }

private:
    void update();

    std::vector<QPointer<QWidget>> m_controls;
    std::vector<QPointer<QWidget>> m_writeControls;
    int m_running = 0;
    bool m_failed = false;
};
