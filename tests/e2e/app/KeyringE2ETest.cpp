// The remembered switches' secrets in a real secret service (keyring_test.sh runs this under a
// private D-Bus session with its own gnome-keyring-daemon, HOME and XDG folders): what is stored
// comes back, a remembered version-3 switch connects without its passwords being typed again,
// and Forget takes them out of the keyring. No secret lands in any file of the configuration.

#include "ConnectDialogDriver.h"
#include "SimulatedSwitch.h"
#include "SnmpFront.h"
#include "SwitchSecrets.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>

#include <optional>

using namespace connecttest;

namespace {

// Runs one call of the store and waits for its handler.
template <class Start>
void waitFor(Start start)
{
    bool done = false;
    start(done);
    for (int i = 0; i < 200 && !done; ++i)
        QTest::qWait(50);
    ASSERT_TRUE(done) << "the secret store did not answer in 10 s";
}

std::optional<SwitchSecretValues> loaded(SwitchSecrets& secrets, const QString& key)
{
    std::optional<SwitchSecretValues> values;
    waitFor([&](bool& done) {
        secrets.load(key, [&](std::optional<SwitchSecretValues> v, bool) {
            values = v;
            done = true;
        });
    });
    return values;
}

// Every file under `folder` that holds `secret`.
QStringList filesHolding(const QString& folder, const QByteArray& secret)
{
    QStringList found;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly) && file.readAll().contains(secret))
            found << file.fileName();
    }
    return found;
}

TEST(Keyring, StoresLoadsAndRemoves)
{
    SwitchSecrets secrets;
    bool available = false;
    waitFor([&](bool& done) {
        secrets.checkAvailable([&](bool a) {
            available = a;
            done = true;
        });
    });
    ASSERT_TRUE(available) << "no secret service in this session";

    const QString key = QStringLiteral("127.0.0.1:9 v3 roundtrip");
    QString error = QStringLiteral("not called");
    waitFor([&](bool& done) {
        secrets.store(key, {QString(), QString(), QStringLiteral("auth pass ü"), QStringLiteral("priv/pass")},
                      [&](const QString& e) {
                          error = e;
                          done = true;
                      });
    });
    EXPECT_EQ(error, QString());
    const auto back = loaded(secrets, key);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->authPassword, QStringLiteral("auth pass ü"));
    EXPECT_EQ(back->privPassword, QStringLiteral("priv/pass"));
    EXPECT_EQ(back->readCommunity, QString());

    waitFor([&](bool& done) {
        secrets.remove(key, [&](const QString& e) {
            error = e;
            done = true;
        });
    });
    EXPECT_EQ(error, QString());
    EXPECT_FALSE(loaded(secrets, key).has_value());
}

TEST(Keyring, RememberedSwitchConnectsWithoutItsPasswordsTypedAgain)
{
    SimulatedSwitch simulator;
    ASSERT_TRUE(simulator.Start());
    std::vector<LaunchParams> opened;
    auto opener = [&](const LaunchParams& p) {
        opened.push_back(p);
        return true;
    };
    {
        ConnectDialog first(opener);
        first.show();
        fillV3(&first, simulator.Address(), QStringLiteral("shades"), 2, 1, QStringLiteral("shaauthpass"),
               QStringLiteral("shaprivpass"));
        QSignalSpy ended(&first, &ConnectDialog::ended);
        click(&first, "connect");
        ASSERT_TRUE(!ended.isEmpty() || ended.wait(10000));
        EXPECT_FALSE(control<QLabel>(&first, "keyringNote")->isVisible());
    }
    ASSERT_EQ(opened.size(), 1u);

    ConnectDialog second(opener);
    second.show();
    // The newest remembered switch is chosen; its passwords come from the keyring.
    for (int i = 0; i < 200 && text(&second, "privPassword").isEmpty(); ++i)
        QTest::qWait(50);
    EXPECT_EQ(text(&second, "address"), simulator.Address());
    EXPECT_EQ(text(&second, "authPassword"), QStringLiteral("shaauthpass"));
    EXPECT_EQ(text(&second, "privPassword"), QStringLiteral("shaprivpass"));
    EXPECT_EQ(text(&second, "status"), QStringLiteral("Passwords taken from the keyring."));
    EXPECT_EQ(runTest(&second), QStringLiteral("The switch answered."));
    click(&second, "connect");
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1].AuthPassword, "shaauthpass");
    EXPECT_EQ(opened[1].PrivPassword, "shaprivpass");

    for (const char* secret : {"shaauthpass", "shaprivpass"}) {
        EXPECT_EQ(filesHolding(qEnvironmentVariable("XDG_CONFIG_HOME"), secret), QStringList()) << secret;
        EXPECT_EQ(filesHolding(qEnvironmentVariable("HOME"), secret), QStringList()) << secret;
    }

    // Forget takes the switch out of the list and its passwords out of the keyring.
    ConnectDialog third(opener);
    third.show();
    RememberedSwitches store;
    store.load();
    ASSERT_EQ(store.entries().size(), 1);
    const QString rememberedKey = store.entries().front().key();
    QSignalSpy ended(&third, &ConnectDialog::ended);
    click(&third, "forget");
    EXPECT_EQ(control<QListWidget>(&third, "remembered")->count(), 0);
    third.reject(); // waits for the keyring's removal before it ends
    ASSERT_TRUE(!ended.isEmpty() || ended.wait(10000));
    SwitchSecrets secrets;
    EXPECT_FALSE(loaded(secrets, rememberedKey).has_value());
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    snmp::SnmpInit("sorvex-keyring-e2e");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
