#pragma once
// One module per device: the first start for an instance name holds a lock file and listens on a
// local socket; a later start for the same name asks the first to come to the front and ends.

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& instanceName, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the first for the name (and now holds it). Otherwise the running
    // one has been asked to activate itself.
    bool claim();

    // Socket and lock names are keyed by a hash: local socket paths are limited to 108 bytes.
    static QString keyFor(const QString& instanceName);

signals:
    // Another start for the same device asked this instance to come to the front.
    void activationRequested();

private:
    void notifyRunningInstance();

    QString m_key;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
};
