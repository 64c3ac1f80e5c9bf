#pragma once
// Ends the event loop on SIGINT, SIGTERM and SIGHUP, so the module shuts down the ordinary way
// (polling stopped, sessions closed) instead of dying mid-request.

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
