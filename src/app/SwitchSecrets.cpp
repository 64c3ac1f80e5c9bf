#include "SwitchSecrets.h"

#include "TraceCategory.h"

#include <qt6keychain/keychain.h>

#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Items are kept as a small JSON object: one lookup gives every secret of a switch.
QString encode(const SwitchSecretValues& v)
{
    QJsonObject o;
    auto put = [&](const char* name, const QString& value) {
        if (!value.isEmpty())
            o.insert(QLatin1String(name), value);
    };
    put("readCommunity", v.readCommunity);
    put("writeCommunity", v.writeCommunity);
    put("authPassword", v.authPassword);
    put("privPassword", v.privPassword);
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

std::optional<SwitchSecretValues> decode(const QString& text)
{
    const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8());
    if (!doc.isObject())
        return std::nullopt;
    const QJsonObject o = doc.object();
    SwitchSecretValues v;
    v.readCommunity = o.value(QStringLiteral("readCommunity")).toString();
    v.writeCommunity = o.value(QStringLiteral("writeCommunity")).toString();
    v.authPassword = o.value(QStringLiteral("authPassword")).toString();
    v.privPassword = o.value(QStringLiteral("privPassword")).toString();
    return v;
}

template <class Job>
Job* makeJob(QObject* parent, const QString& key)
{
    auto* job = new Job(QLatin1String(SwitchSecrets::kService), parent);
    job->setAutoDelete(true);
    job->setInsecureFallback(false);
    job->setKey(key);
    return job;
}

} // namespace

SwitchSecrets::SwitchSecrets(QObject* parent) : QObject(parent) {}

void SwitchSecrets::finishOne()
{
    if (--m_pending == 0)
        emit allFinished();
}

void SwitchSecrets::checkAvailable(std::function<void(bool)> done)
{
    auto* job = makeJob<QKeychain::ReadPasswordJob>(this, QStringLiteral("availability check"));
    ++m_pending;
    connect(job, &QKeychain::Job::finished, this, [this, done](QKeychain::Job* j) {
        const bool available = j->error() == QKeychain::NoError || j->error() == QKeychain::EntryNotFound;
        if (!available)
            TraceLine(QStringLiteral("No secret store: ") + j->errorString());
        done(available);
        finishOne();
    });
    job->start();
}

void SwitchSecrets::store(const QString& key, const SwitchSecretValues& values, std::function<void(QString)> done)
{
    auto* job = makeJob<QKeychain::WritePasswordJob>(this, key);
    job->setTextData(encode(values));
    ++m_pending;
    connect(job, &QKeychain::Job::finished, this, [this, done](QKeychain::Job* j) {
        done(j->error() == QKeychain::NoError ? QString() : j->errorString());
        finishOne();
    });
    job->start();
}

void SwitchSecrets::load(const QString& key,
                         std::function<void(std::optional<SwitchSecretValues>, bool storeAnswered)> done)
{
    auto* job = makeJob<QKeychain::ReadPasswordJob>(this, key);
    ++m_pending;
    connect(job, &QKeychain::Job::finished, this, [this, done](QKeychain::Job* j) {
        auto* read = static_cast<QKeychain::ReadPasswordJob*>(j);
        const bool answered = j->error() == QKeychain::NoError || j->error() == QKeychain::EntryNotFound;
        done(j->error() == QKeychain::NoError ? decode(read->textData()) : std::nullopt, answered);
        finishOne();
    });
    job->start();
}

void SwitchSecrets::remove(const QString& key, std::function<void(QString)> done)
{
    auto* job = makeJob<QKeychain::DeletePasswordJob>(this, key);
    ++m_pending;
    connect(job, &QKeychain::Job::finished, this, [this, done](QKeychain::Job* j) {
        const bool gone = j->error() == QKeychain::NoError || j->error() == QKeychain::EntryNotFound;
        done(gone ? QString() : j->errorString());
        finishOne();
    });
    job->start();
}
