#include "RememberedSwitches.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <optional>

namespace {

// Larger files are not ours.
constexpr qint64 kMaxFileBytes = 1024 * 1024;

QJsonObject toJson(const RememberedSwitch& s)
{
    QJsonObject o{{QStringLiteral("address"), s.address}, {QStringLiteral("version"), s.version}};
    if (s.version == 3) {
        o.insert(QStringLiteral("user"), s.user);
        o.insert(QStringLiteral("securityLevel"), s.securityLevel);
        o.insert(QStringLiteral("authProtocol"),
                 s.authProtocol == ConnectForm::AuthProtocol::HmacMd5 ? QStringLiteral("HMAC-MD5") : QStringLiteral("HMAC-SHA"));
    } else {
        o.insert(QStringLiteral("writeEnabled"), s.writeEnabled);
    }
    return o;
}

std::optional<RememberedSwitch> fromJson(const QJsonObject& o)
{
    RememberedSwitch s;
    s.address = o.value(QStringLiteral("address")).toString();
    s.version = o.value(QStringLiteral("version")).toInt();
    if (s.address.isEmpty() || (s.version != 1 && s.version != 3))
        return std::nullopt;
    if (s.version == 3) {
        s.user = o.value(QStringLiteral("user")).toString();
        s.securityLevel = o.value(QStringLiteral("securityLevel")).toInt(3);
        if (s.securityLevel < 1 || s.securityLevel > 3)
            s.securityLevel = 3;
        s.authProtocol = o.value(QStringLiteral("authProtocol")).toString() == QStringLiteral("HMAC-MD5")
                             ? ConnectForm::AuthProtocol::HmacMd5
                             : ConnectForm::AuthProtocol::HmacSha;
    } else {
        s.writeEnabled = o.value(QStringLiteral("writeEnabled")).toBool(true);
    }
    return s;
}

} // namespace

RememberedSwitch RememberedSwitch::fromForm(const ConnectForm& form)
{
    RememberedSwitch s;
    s.address = form.address.trimmed();
    s.version = form.version;
    if (form.version == 3) {
        s.user = form.user;
        s.securityLevel = form.securityLevel;
        s.authProtocol = form.authProtocol;
    } else {
        s.writeEnabled = form.writeEnabled;
    }
    return s;
}

void RememberedSwitch::fillForm(ConnectForm& form) const
{
    form.address = address;
    form.version = version;
    form.user = user;
    form.securityLevel = securityLevel;
    form.authProtocol = authProtocol;
    form.writeEnabled = writeEnabled;
}

QString RememberedSwitch::key() const
{
    return address + QStringLiteral(" v") + QString::number(version) + (version == 3 ? QStringLiteral(" ") + user : QString());
}

QString RememberedSwitch::label() const
{
    return address + QStringLiteral("  version ") + QString::number(version) + QStringLiteral("  ") +
           (version == 3 ? user : QStringLiteral("community"));
}

QString RememberedSwitches::defaultPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("sorvex-module/remembered-switches.json"));
}

RememberedSwitches::RememberedSwitches(QString path) : m_path(std::move(path)) {}

void RememberedSwitches::load()
{
    m_entries.clear();
    QFile file(m_path);
    if (file.size() > kMaxFileBytes || !file.open(QIODevice::ReadOnly))
        return;
    const QJsonArray list = QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("switches")).toArray();
    for (const QJsonValue& value : list) {
        const auto entry = fromJson(value.toObject());
        if (!entry || m_entries.size() == kMaxEntries)
            continue;
        const bool duplicate = std::any_of(m_entries.begin(), m_entries.end(),
                                           [&](const RememberedSwitch& e) { return e.key() == entry->key(); });
        if (!duplicate)
            m_entries.append(*entry);
    }
}

bool RememberedSwitches::remember(const RememberedSwitch& entry)
{
    m_entries.removeIf([&](const RememberedSwitch& e) { return e.key() == entry.key(); });
    m_entries.prepend(entry);
    while (m_entries.size() > kMaxEntries)
        m_entries.removeLast();
    return save();
}

bool RememberedSwitches::forget(const QString& key)
{
    const auto removed = m_entries.removeIf([&](const RememberedSwitch& e) { return e.key() == key; });
    return removed == 0 || save();
}

bool RememberedSwitches::save() const
{
    QJsonArray list;
    for (const RememberedSwitch& s : m_entries)
        list.append(toJson(s));
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return false;
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QJsonDocument(QJsonObject{{QStringLiteral("switches"), list}}).toJson());
    return file.commit();
}
