#pragma once
// Ends the module on SIGINT, SIGTERM and SIGHUP, at any moment of its life, the ordinary way
// (pages and their sessions closed, polling stopped) instead of dying mid-request. The signal is
// taken in by whichever event loop runs (a start-up message box's included); one that arrives
// before any loop runs waits in the pipe for the first.

#include <QObject>

class QSocketNotifier;

class SignalQuit : public QObject {
    Q_OBJECT
public:
    explicit SignalQuit(QObject* parent = nullptr);
    ~SignalQuit() override;

private:
    QSocketNotifier* m_notifier = nullptr;
};
