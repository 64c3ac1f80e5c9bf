#pragma once
// The communities and passwords of remembered switches, in the desktop's secret store (the
// Secret Service of GNOME Keyring, KWallet ...) through QtKeychain: one item per switch, named
// by its key. Never written anywhere else: QtKeychain's plain-file fallback stays off.
// Every call is asynchronous; its handler runs on the GUI thread, and not at all once the
// context object is gone.

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

struct SwitchSecretValues {
    QString readCommunity;
    QString writeCommunity;
    QString authPassword;
    QString privPassword;
};

class SwitchSecrets : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kService = "sorvex-module";

    explicit SwitchSecrets(QObject* parent = nullptr);

    // Whether a secret store answers at all (a lookup of an item that does not exist).
    void checkAvailable(std::function<void(bool available)> done);
    // `error` empty on success.
    void store(const QString& key, const SwitchSecretValues& values, std::function<void(QString error)> done);
    // Nothing when there is no item for the key or no store; `storeAnswered` tells them apart.
    void load(const QString& key, std::function<void(std::optional<SwitchSecretValues>, bool storeAnswered)> done);
    void remove(const QString& key, std::function<void(QString error)> done);

    // Jobs started and not yet finished.
    int pending() const { return m_pending; }

signals:
    void allFinished();

private:
    void finishOne();

    int m_pending = 0;
};
