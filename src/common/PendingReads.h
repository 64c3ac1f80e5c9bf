#pragma once
// Keeps the controls that act on read data disabled while reads run: a check must never decide
// on data that has not arrived. Each begin() is matched by one end(); the controls are enabled
// again when the last read has ended, whatever its outcome.

#include <QPointer>
#include <QWidget>

#include <initializer_list>
#include <vector>

class PendingReads {
public:
    PendingReads(std::initializer_list<QWidget*> controls = {});
    void addControl(QWidget* control);

    void begin();
    void end();
    bool idle() const { return m_running == 0; }

private:
    void enableControls(bool enabled);

    std::vector<QPointer<QWidget>> m_controls;
    int m_running = 0;
};
