#include "RememberedSwitches.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

ConnectForm form(const QString& address, int version, const QString& user = {})
{
    ConnectForm f;
    f.address = address;
    f.version = version;
    f.user = user;
    f.readCommunity = QStringLiteral("read-secret-") + address;
    f.writeCommunity = QStringLiteral("write-secret-") + address;
    f.authPassword = QStringLiteral("auth-secret-") + address;
    f.privPassword = QStringLiteral("priv-secret-") + address;
    f.securityLevel = 2;
    f.authProtocol = ConnectForm::AuthProtocol::HmacMd5;
    f.writeEnabled = false;
    return f;
}

QStringList labels(const RememberedSwitches& store)
{
    QStringList out;
    for (const auto& s : store.entries())
        out << s.label();
    return out;
}

TEST(RememberedSwitches, NewestFirstOnePerSwitchAndNoSecretInTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config/sorvex-module/remembered-switches.json"));
    RememberedSwitches store(path);
    store.load();
    EXPECT_TRUE(store.entries().isEmpty());
    ASSERT_TRUE(store.remember(RememberedSwitch::fromForm(form(QStringLiteral("10.0.0.5"), 1))));
    ASSERT_TRUE(store.remember(RememberedSwitch::fromForm(form(QStringLiteral("10.0.0.6"), 3, QStringLiteral("admin")))));
    ASSERT_TRUE(store.remember(RememberedSwitch::fromForm(form(QStringLiteral("10.0.0.6"), 3, QStringLiteral("guest")))));
    // The same switch again moves to the top.
    ASSERT_TRUE(store.remember(RememberedSwitch::fromForm(form(QStringLiteral("10.0.0.5"), 1))));

    RememberedSwitches reread(path);
    reread.load();
    EXPECT_EQ(labels(reread), (QStringList{QStringLiteral("10.0.0.5  version 1  community"),
                                           QStringLiteral("10.0.0.6  version 3  guest"),
                                           QStringLiteral("10.0.0.6  version 3  admin")}));
    ConnectForm back;
    reread.entries().at(2).fillForm(back);
    EXPECT_EQ(back.address, QStringLiteral("10.0.0.6"));
    EXPECT_EQ(back.version, 3);
    EXPECT_EQ(back.user, QStringLiteral("admin"));
    EXPECT_EQ(back.securityLevel, 2);
    EXPECT_EQ(back.authProtocol, ConnectForm::AuthProtocol::HmacMd5);
    EXPECT_FALSE(reread.entries().at(0).writeEnabled);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_FALSE(bytes.contains("secret")) << bytes.constData();

    ASSERT_TRUE(reread.forget(reread.entries().at(1).key()));
    RememberedSwitches afterForget(path);
    afterForget.load();
    EXPECT_EQ(labels(afterForget), (QStringList{QStringLiteral("10.0.0.5  version 1  community"),
                                                QStringLiteral("10.0.0.6  version 3  admin")}));
}

TEST(RememberedSwitches, KeepsTheNewestTwentyAndSkipsWhatIsNotOurs)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("remembered-switches.json"));
    RememberedSwitches store(path);
    for (int i = 1; i <= RememberedSwitches::kMaxEntries + 5; ++i)
        ASSERT_TRUE(store.remember(RememberedSwitch::fromForm(form(QStringLiteral("10.0.0.%1").arg(i), 1))));
    store.load();
    ASSERT_EQ(store.entries().size(), RememberedSwitches::kMaxEntries);
    EXPECT_EQ(store.entries().front().address, QStringLiteral("10.0.0.25"));

    const struct {
        QByteArray contents;
        int entries;
    } files[] = {
        {"not json", 0},
        {"[1, 2]", 0},
        {R"({"switches": [{"address": "10.0.0.5", "version": 2}, {"version": 1},
                         {"address": "10.0.0.7", "version": 3, "user": "u", "securityLevel": 9}]})",
         1},
    };
    for (const auto& f : files) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(f.contents);
        out.close();
        store.load();
        EXPECT_EQ(store.entries().size(), f.entries) << f.contents.constData();
    }
    EXPECT_EQ(store.entries().front().securityLevel, 3);
}

} // namespace
