// Transfers over real UDP against sorvex-sim, on the page's own timers: a configuration backup
// runs to "Success!" with its progress bar, so does a firmware upgrade, and a restore from a
// switch whose transfers fail ends with the failure message. With SORVEX_SCREENSHOT_DIR set, the finished page is saved there.

#include "GuiFixture.h"
#include "LocalPeer.h"
#include "PageTestSupport.h"

#include "CFirmwareDlg.h"
#include "CIpAddressEdit.h"
#include "DeviceOids.h"
#include "SnmpFront.h"

#include <QDir>
#include <QLineEdit>
#include <QProgressBar>

namespace {

using Id = CFirmwareDlg::ControlId;

class TransferE2E : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        testApplication();
        snmp::SnmpInit("e2e-transfer");
    }
    void SetUp() override
    {
        DeviceProfile::setCurrent(DeviceProfile{});
        LaunchParams::setTimeoutText("3000");
    }
    void start(const QStringList& options)
    {
        ASSERT_TRUE(m_sim.startSimulator(QStringLiteral(SORVEX_SIM_BINARY), options)) << "sorvex-sim did not start";
        LaunchParams::setCurrent(
            LaunchParams::parse("/A1/I" + m_sim.address().toStdString() + "/Rtundra/Wlantern/ETRUE/V1/P161"));
    }
    QString simValue(const std::string& oid)
    {
        return LocalPeer::snmpTool(QStringLiteral("snmpget"),
                                   {QStringLiteral("-v1"), QStringLiteral("-c"), QStringLiteral("tundra"),
                                    QStringLiteral("-On"), QStringLiteral("-Oqv"), m_sim.address(),
                                    QString::fromStdString(oid)})
            .trimmed()
            .remove(QLatin1Char('"'));
    }
    // Fills the form, applies, and waits until the outcome has been shown and the controls are back.
    bool transfer(CFirmwareDlg& page, const char* operation, const char* fileType)
    {
        controlOf<CIpAddressEdit>(&page, Id::IdServer)->setText(QStringLiteral("127.0.0.1"));
        controlOf<QLineEdit>(&page, Id::IdFileName)->setText(QStringLiteral("sorvex-backup.cfg"));
        auto* op = controlOf<QComboBox>(&page, Id::IdOperation);
        op->setCurrentIndex(op->findText(QString::fromLatin1(operation)));
        auto* type = controlOf<QComboBox>(&page, Id::IdFileType);
        type->setCurrentIndex(type->findText(QString::fromLatin1(fileType)));
        auto* apply = controlOf<QPushButton>(&page, Id::IdApply);
        apply->click();
        return !apply->isEnabled() && waitUntil([&] { return !boxes.texts().isEmpty() && apply->isEnabled(); }, 60000);
    }

    LocalPeer m_sim;
    ScriptedMessageBox boxes;
};

TEST_F(TransferE2E, ConfigurationBackupRunsToSuccessWithItsProgressBar)
{
    start({});
    CFirmwareDlg page;
    page.show();
    std::vector<int> bar;
    QObject::connect(controlOf<QProgressBar>(&page, Id::IdProgress), &QProgressBar::valueChanged,
                     [&](int v) { bar.push_back(v); });
    ASSERT_TRUE(transfer(page, "Backup", "Configuration"));
    EXPECT_EQ(boxes.texts(), QStringList{"Success!"});
    // The switch holds what the page wrote, and its transfer has ended.
    namespace deviceoid = snmp::deviceoid;
    EXPECT_EQ(simValue(deviceoid::configServer), "127.0.0.1");
    EXPECT_EQ(simValue(deviceoid::configFile), "sorvex-backup.cfg");
    EXPECT_EQ(simValue(deviceoid::configOperation), "2");
    EXPECT_EQ(simValue(deviceoid::configStatus), "1");
    // The bar stepped 1, 3, 5 ... while the switch worked, then showed 99.
    ASSERT_GE(bar.size(), 3u);
    EXPECT_EQ(bar.back(), 99);
    for (std::size_t i = 0; i + 1 < bar.size(); ++i)
        EXPECT_EQ(bar[i], int(2 * i + 1));

    const QString dir = qEnvironmentVariable("SORVEX_SCREENSHOT_DIR");
    const QPixmap picture = page.grab();
    EXPECT_FALSE(picture.isNull());
    if (!dir.isEmpty()) {
        QDir().mkpath(dir);
        picture.save(QDir(dir).filePath(QStringLiteral("transfer.png")));
    }
}

TEST_F(TransferE2E, FirmwareUpgradeRunsToSuccess)
{
    start({});
    CFirmwareDlg page;
    page.show();
    boxes.answerQuestions({true});
    ASSERT_TRUE(transfer(page, "Upgrade", "Firmware"));
    EXPECT_EQ(boxes.texts().size(), 2); // the upgrade question, then the outcome
    EXPECT_EQ(boxes.texts().last(), "Success!");
    EXPECT_EQ(simValue(snmp::deviceoid::firmwareOperation), "1");
    EXPECT_EQ(controlOf<QProgressBar>(&page, Id::IdProgress)->value(), 99);
}

TEST_F(TransferE2E, ConfigurationRestoreFromAFailingTransferReportsTheFailure)
{
    start({QStringLiteral("--transfer-fail"), QStringLiteral("--transfer-step-ms"), QStringLiteral("500")});
    CFirmwareDlg page;
    page.show();
    boxes.answerQuestions({true});
    ASSERT_TRUE(transfer(page, "Upgrade", "Configuration"));
    EXPECT_EQ(boxes.texts().last(), "Config Restore Fail !");
    EXPECT_EQ(boxes.texts().size(), 2); // the upgrade question, then the outcome
}

} // namespace
