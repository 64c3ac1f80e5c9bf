// Firmware and Configuration Upgrade/Backup: the checks before a transfer, the writes that start
// it, and the watching of its status on a fake clock: schedules, outcomes, progress, time-outs.

#include "FakeTransferTimers.h"
#include "PageTestSupport.h"
#include "TraceCapture.h"

#include "CFirmwareDlg.h"
#include "CIpAddressEdit.h"
#include "DeviceOids.h"
#include "MenuCommand.h"
#include "PageCatalog.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

#include <deque>

namespace {

using Id = CFirmwareDlg::ControlId;
using Role = TransferTimers::Role;
namespace deviceoid = snmp::deviceoid;

const QString upgradeQuestion = QStringLiteral("The connection will be disconnected.\n"
                                               "Please do not apply other changes when uploading.\n"
                                               "Reconnect to the device later when uploading completes.");

// The page with its sessions in view: the fake clock moves on only while no answer is awaited.
class TransferPage : public CFirmwareDlg {
public:
    TransferPage(std::unique_ptr<TransferTimers> timers, TransferTimings timings)
        : CFirmwareDlg(std::move(timers), timings)
    {
    }
    bool waitingForSwitch() { return sessions().busy(m_cCommonSNMP) || sessions().busy(m_cCommonSNMPSetOp); }
};

// Request time-outs that keep unanswered reads short; an in-memory answer comes in well under.
TransferTimings quickTimeouts()
{
    TransferTimings timings;
    timings.addressWrite = 150;
    timings.operationWrite = 150;
    timings.statusRead = 60;
    return timings;
}

class FirmwarePage : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        for (const std::string* oid : {&deviceoid::firmwareServer, &deviceoid::configServer})
            agent->set(snmp::VarBind::ipAddress(*oid, std::string(4, '\0')));
        for (const std::string* oid : {&deviceoid::firmwareFile, &deviceoid::configFile})
            agent->setOctets(*oid, "");
        for (const std::string* oid : {&deviceoid::firmwareOperation, &deviceoid::configOperation,
                                       &deviceoid::firmwareStatus, &deviceoid::configStatus})
            agent->setInteger(*oid, 0);
    }

    std::unique_ptr<TransferPage> makePage(TransferTimings timings = quickTimeouts())
    {
        auto timers = std::make_unique<FakeTransferTimers>();
        clock = timers.get();
        auto page = std::make_unique<TransferPage>(std::move(timers), timings);
        page->show();
        return page;
    }

    // The form as the operator fills it; "Upgrade"/"Backup", "Firmware"/"Configuration".
    void fill(QWidget* page, const char* server, const QString& file, const char* operation, const char* fileType)
    {
        controlOf<CIpAddressEdit>(page, Id::IdServer)->setText(QString::fromLatin1(server));
        controlOf<QLineEdit>(page, Id::IdFileName)->setText(file);
        auto* op = controlOf<QComboBox>(page, Id::IdOperation);
        op->setCurrentIndex(op->findText(QString::fromLatin1(operation)));
        auto* type = controlOf<QComboBox>(page, Id::IdFileType);
        type->setCurrentIndex(type->findText(QString::fromLatin1(fileType)));
    }

    // What the switch does at the coming status reads, one step per read; once the script has
    // run out it stays as it is.
    void answerReads(std::deque<std::function<void()>>* script)
    {
        clock->beforeFire = [script](Role role) {
            if (role == Role::StatusRead && !script->empty()) {
                script->front()();
                script->pop_front();
            }
        };
    }
    std::function<void()> status(const std::string& oid, int value)
    {
        return [this, oid, value] {
            agent->clearFaults();
            agent->setInteger(oid, value);
        };
    }
    std::function<void()> silent(const std::string& oid)
    {
        return [this, oid] {
            snmp::MemoryAgent::Fault none;
            none.noAnswer = true;
            agent->setObjectFault(oid, none);
        };
    }

    static bool controlsEnabled(const QWidget* page)
    {
        for (int id : {int(Id::IdServer), int(Id::IdFileName), int(Id::IdOperation), int(Id::IdFileType),
                       int(Id::IdApply), int(Id::IdClose)}) {
            if (!page->findChild<QWidget*>(QString::number(id))->isEnabled())
                return false;
        }
        return true;
    }

    // Applies and runs the fake clock until the controls are back (or until `limit` on the clock).
    bool runTransfer(TransferPage& page, long long limit = 1'000'000)
    {
        clickButton(&page, Id::IdApply);
        return waitUntil(
            [&] {
                if (controlsEnabled(&page) || clock->now() > limit)
                    return true;
                if (!page.waitingForSwitch() && !clock->fireNext())
                    return controlsEnabled(&page);
                return false;
            },
            30000) &&
               controlsEnabled(&page);
    }

    std::vector<std::vector<std::string>> sets()
    {
        std::vector<std::vector<std::string>> texts;
        for (const auto& request : agent->requestsOfType(snmp::PduType::Set))
            texts.push_back(bindTexts(request));
        return texts;
    }
    std::size_t statusReads() { return agent->requestsOfType(snmp::PduType::Get).size(); }
    static QProgressBar* progress(const QWidget* page) { return controlOf<QProgressBar>(page, Id::IdProgress); }

    FakeTransferTimers* clock = nullptr;
};

TEST_F(FirmwarePage, FirmwareUpgradeFollowsTheStatusToSuccessWithTheBarAt99)
{
    auto page = makePage();
    EXPECT_EQ(page->objectName(), "dlg470");
    EXPECT_EQ(controlOf<QComboBox>(page.get(), Id::IdOperation)->currentText(), "Upgrade");
    EXPECT_EQ(controlOf<QComboBox>(page.get(), Id::IdFileType)->currentText(), "Configuration");
    EXPECT_FALSE(progress(page.get())->isVisible());
    EXPECT_TRUE(agent->requests().empty()); // opening reads nothing

    fill(page.get(), "10.1.2.3", QStringLiteral("image-3.10.bin"), "Upgrade", "Firmware");
    const std::string& st = deviceoid::firmwareStatus;
    std::deque<std::function<void()>> script{status(st, 4), status(st, 4), status(st, 3), status(st, 3), status(st, 1)};
    answerReads(&script);
    std::vector<int> bar;
    QObject::connect(progress(page.get()), &QProgressBar::valueChanged, [&](int v) { bar.push_back(v); });
    boxes.answerQuestions({true});
    ASSERT_TRUE(runTransfer(*page));

    EXPECT_EQ(boxes.texts(), (QStringList{upgradeQuestion, "Success!"}));
    EXPECT_EQ(sets(), (std::vector<std::vector<std::string>>{
                          {deviceoid::firmwareServer + "=64:" + octets({10, 1, 2, 3}),
                           deviceoid::firmwareFile + "=4:image-3.10.bin"},
                          {deviceoid::firmwareOperation + "=2:1"}}));
    // 15 s to the first read, 1 s after each "4", 5 s after each "3".
    EXPECT_EQ(clock->delaysOf(Role::StatusRead), (std::vector<int>{15000, 1000, 1000, 5000, 5000}));
    EXPECT_EQ(clock->delaysOf(Role::TransferTimeout), (std::vector<int>{260000, 260000}));
    EXPECT_EQ(statusReads(), 5u);
    ASSERT_GE(bar.size(), 3u);
    EXPECT_EQ(bar.back(), 99);
    for (std::size_t i = 0; i + 1 < bar.size(); ++i)
        EXPECT_EQ(bar[i], int(2 * i + 1));
    EXPECT_TRUE(progress(page.get())->isVisible());
    EXPECT_FALSE(clock->anyArmed());
}

TEST_F(FirmwarePage, EachOutcomeIsReportedOnceAndTheControlsComeBack)
{
    snmp::MemoryAgent::Fault silentFault;
    silentFault.noAnswer = true;
    snmp::MemoryAgent::Fault refused;
    refused.errorStatus = snmp::ErrorStatus::GenErr;
    struct Case {
        const char* fileType;
        const std::string* faultOid; // nullptr: none
        snmp::MemoryAgent::Fault fault;
        int statusValue;
        const char* message;
        std::size_t setRequests;
    };
    const Case cases[] = {
        {"Firmware", nullptr, {}, 2, "Firmware Upgrade Fail !", 2},
        {"Configuration", nullptr, {}, 2, "Config Restore Fail !", 2},
        {"Configuration", nullptr, {}, 0, "Success!", 2},
        {"Firmware", &deviceoid::firmwareStatus, refused, 1, "Get Info Fail !", 2},
        {"Configuration", &deviceoid::configServer, silentFault, 1, "Setting file name TimeOut !", 1},
        {"Firmware", &deviceoid::firmwareOperation, silentFault, 1, "Setting operation TimeOut !", 2},
        // A refused write starts no transfer: the status left from the last one is not shown as success.
        {"Configuration", &deviceoid::configServer, refused, 1, "Get Info Fail !", 1},
        {"Configuration", &deviceoid::configOperation, refused, 1, "Get Info Fail !", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.fileType) + " " + c.message);
        agent->clearFaults();
        agent->clearRequests();
        boxes.clear();
        if (c.faultOid)
            agent->setObjectFault(*c.faultOid, c.fault);
        agent->setInteger(deviceoid::firmwareStatus, c.statusValue);
        agent->setInteger(deviceoid::configStatus, c.statusValue);
        auto page = makePage();
        fill(page.get(), "192.0.2.9", QStringLiteral("switch.cfg"), "Backup", c.fileType);
        ASSERT_TRUE(runTransfer(*page));
        EXPECT_EQ(boxes.texts(), QStringList{c.message});
        EXPECT_EQ(sets().size(), c.setRequests);
        EXPECT_FALSE(clock->anyArmed());
        // Nothing more is asked once the outcome is out.
        const int requests = agent->requestCount();
        QTest::qWait(100);
        EXPECT_EQ(agent->requestCount(), requests);
    }
}

TEST_F(FirmwarePage, FourUnansweredReadsBeforeAnyRunningStatusEndTheFirmwareTransfer)
{
    auto page = makePage();
    fill(page.get(), "10.1.2.3", QStringLiteral("image.bin"), "Backup", "Firmware");
    silent(deviceoid::firmwareStatus)();
    ASSERT_TRUE(runTransfer(*page));
    EXPECT_EQ(boxes.texts(), QStringList{"Get Firmware BackUp/Upgrade status Time Out !"});
    EXPECT_EQ(statusReads(), 4u);
    EXPECT_EQ(clock->delaysOf(Role::StatusRead), (std::vector<int>{15000, 3000, 3000, 3000}));
}

TEST_F(FirmwarePage, AfterARunningStatusUnansweredReadsGoOnUntilTheTransferTimeOut)
{
    auto page = makePage();
    fill(page.get(), "10.1.2.3", QStringLiteral("image.bin"), "Upgrade", "Firmware");
    const std::string& st = deviceoid::firmwareStatus;
    std::deque<std::function<void()>> script{status(st, 3), silent(st)};
    answerReads(&script);
    boxes.answerQuestions({true});
    ASSERT_TRUE(runTransfer(*page));

    EXPECT_EQ(boxes.texts(), (QStringList{upgradeQuestion, "Time out! Please check TFTP Server IP and network."}));
    // The "3" came at 15 s; the time-out runs out 260 s later, and the controls come back then.
    const FakeTransferTimers::Arm last = clock->arms().back();
    EXPECT_EQ(last.role, Role::Finish);
    EXPECT_EQ(last.at, 15000 + 260000);
    const std::vector<int> reads = clock->delaysOf(Role::StatusRead);
    ASSERT_GE(reads.size(), 80u);
    EXPECT_EQ(reads[1], 5000);
    for (std::size_t i = 2; i < reads.size(); ++i)
        ASSERT_EQ(reads[i], 3000) << i;
    // The bar waits at 89 for the outcome.
    EXPECT_EQ(progress(page.get())->value(), 89);
}

TEST_F(FirmwarePage, ConfigurationTransferWithoutAnswersKeepsReadingUntilThePageIsClosed)
{
    auto page = makePage();
    fill(page.get(), "10.1.2.3", QStringLiteral("switch.cfg"), "Backup", "Configuration");
    silent(deviceoid::configStatus)();
    // Well past the 90 s a "running" configuration is given.
    EXPECT_FALSE(runTransfer(*page, 120000));
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_GE(statusReads(), 30u);
    EXPECT_FALSE(controlsEnabled(page.get()));

    TraceCapture trace;
    page->reject();
    EXPECT_FALSE(page->isVisible());
    EXPECT_FALSE(clock->anyArmed());
    EXPECT_EQ(TraceCapture::lines(), (QStringList{"==================DestroyWindow===============",
                                                  "==================m_cCommonSNMP.Close===============",
                                                  "==================m_cCommonSNMPSetOp.Close==============="}));
}

TEST_F(FirmwarePage, UnansweredReadsOfAnEarlierTransferDoNotCountAgainstTheNextOne)
{
    auto page = makePage();
    fill(page.get(), "10.1.2.3", QStringLiteral("image.bin"), "Backup", "Firmware");
    silent(deviceoid::firmwareStatus)();
    ASSERT_TRUE(runTransfer(*page));
    ASSERT_EQ(boxes.texts(), QStringList{"Get Firmware BackUp/Upgrade status Time Out !"});

    boxes.clear();
    const std::string& st = deviceoid::firmwareStatus;
    std::deque<std::function<void()>> script{silent(st), status(st, 1)};
    answerReads(&script);
    ASSERT_TRUE(runTransfer(*page));
    EXPECT_EQ(boxes.texts(), QStringList{"Success!"});
}

// The previous transfer ended on its time-out with a status read still out; its late "1" arrives
// while the next Apply's question is open, and must not be taken for the new transfer.
TEST_F(FirmwarePage, ALateAnswerOfThePreviousTransferIsIgnoredWhileTheQuestionIsOpen)
{
    TransferTimings timings = quickTimeouts();
    timings.statusRead = 3000;
    auto page = makePage(timings);
    fill(page.get(), "10.1.2.3", QStringLiteral("image.bin"), "Upgrade", "Firmware");
    const std::string& st = deviceoid::firmwareStatus;
    agent->setInteger(st, 3); // running
    Role fired = Role::Finish;
    clock->beforeFire = [&](Role role) { fired = role; };
    auto fireUntil = [&](Role role) {
        for (int i = 0; i < 100; ++i) {
            if (!waitUntil([&] { return !page->waitingForSwitch(); }) || !clock->fireNext())
                return false;
            if (fired == role)
                return true;
        }
        return false;
    };
    boxes.answerQuestions({true, true});
    clickButton(page.get(), Id::IdApply);
    ASSERT_TRUE(fireUntil(Role::StatusRead));
    ASSERT_TRUE(waitUntil([&] { return clock->armed(Role::TransferTimeout); })) << "the switch said running";

    snmp::MemoryAgent::Fault slow;
    slow.delayMs = 400;
    agent->setObjectFault(st, slow);
    agent->setInteger(st, 1);
    ASSERT_TRUE(fireUntil(Role::StatusRead)); // this read's "1" comes late
    ASSERT_TRUE(page->waitingForSwitch());
    clock->stop(Role::StatusRead);
    clock->stop(Role::ProgressStep);
    ASSERT_TRUE(clock->armed(Role::TransferTimeout));
    ASSERT_TRUE(clock->fireNext()); // the transfer's time-out
    ASSERT_EQ(fired, Role::TransferTimeout);
    ASSERT_TRUE(clock->fireNext()); // the controls come back
    ASSERT_TRUE(controlsEnabled(page.get()));

    boxes.setWhileAsked([&] { waitUntil([] { return false; }, 700); });
    clickButton(page.get(), Id::IdApply);
    boxes.setWhileAsked({});
    waitUntil([] { return false; }, 200);
    EXPECT_EQ(boxes.texts(),
              (QStringList{upgradeQuestion, "Time out! Please check TFTP Server IP and network.", upgradeQuestion}));
}

TEST_F(FirmwarePage, ServerAndFileChecksSendNothing)
{
    struct Case {
        const char* server;
        const char* file;
        const char* message;
    };
    const Case cases[] = {
        {"0.0.0.0", "a.cfg", "Invalid TFTP server IP."},   {"10.0.0.0", "a.cfg", "Invalid TFTP server IP."},
        {"10.0.0.255", "a.cfg", "Invalid TFTP server IP."}, {"255.1.1.1", "a.cfg", "Invalid TFTP server IP."},
        {"0.1.1.1", "a.cfg", "Invalid TFTP server IP."},   {"", "a.cfg", "Invalid TFTP server IP."},
        {"10.0.0.1", "", "Invalid file."},
    };
    auto page = makePage();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.server) + " " + c.file);
        boxes.clear();
        fill(page.get(), c.server, QString::fromLatin1(c.file), "Backup", "Configuration");
        clickButton(page.get(), Id::IdApply);
        EXPECT_EQ(boxes.texts(), QStringList{c.message});
        EXPECT_TRUE(controlsEnabled(page.get()));
    }
    // Three fields filled are not an address.
    boxes.clear();
    fill(page.get(), "10.0.0.1", QStringLiteral("a.cfg"), "Backup", "Configuration");
    controlOf<CIpAddressEdit>(page.get(), Id::IdServer)->field(3)->clear();
    clickButton(page.get(), Id::IdApply);
    EXPECT_EQ(boxes.texts(), QStringList{"Invalid TFTP server IP."});

    // An upgrade cancelled at its question sends nothing either.
    boxes.clear();
    fill(page.get(), "10.0.0.1", QStringLiteral("a.cfg"), "Upgrade", "Firmware");
    boxes.answerQuestions({false});
    clickButton(page.get(), Id::IdApply);
    EXPECT_EQ(boxes.texts(), QStringList{upgradeQuestion});
    EXPECT_TRUE(controlsEnabled(page.get()));
    QTest::qWait(50);
    EXPECT_TRUE(agent->requests().empty());
}

TEST_F(FirmwarePage, FileNameKeepsSixtyFourCharacters)
{
    auto page = makePage();
    QLineEdit* file = controlOf<QLineEdit>(page.get(), Id::IdFileName);
    const QString name64 = QString(60, QLatin1Char('f')) + QStringLiteral(".bin");
    file->setText(name64);
    EXPECT_TRUE(boxes.texts().isEmpty());
    file->setFocus();
    file->setCursorPosition(10);
    QTest::keyClicks(file, QStringLiteral("X"));
    EXPECT_EQ(boxes.texts(), QStringList{"The maximum length of file name is 64!"});
    EXPECT_EQ(file->text(), (QString(10, 'f') + "X" + QString(50, 'f') + ".bi"));
    EXPECT_EQ(file->cursorPosition(), 11);

    boxes.clear();
    file->clear();
    file->insert(QString(80, QLatin1Char('p'))); // a paste
    EXPECT_EQ(file->text(), QString(64, QLatin1Char('p')));
    EXPECT_EQ(boxes.texts(), QStringList{"The maximum length of file name is 64!"});

    // A name of 64 characters goes out whole.
    fill(page.get(), "10.0.0.1", name64, "Backup", "Configuration");
    agent->setInteger(deviceoid::configStatus, 1);
    boxes.clear();
    ASSERT_TRUE(runTransfer(*page));
    ASSERT_FALSE(sets().empty());
    EXPECT_EQ(sets()[0][1], deviceoid::configFile + "=4:" + name64.toStdString());
}

TEST_F(FirmwarePage, DeviceMenuOpensThePage)
{
    ASSERT_TRUE(PageCatalog::has(MenuCommand::Firmware));
    auto page = PageCatalog::create(MenuCommand::Firmware);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->objectName(), "dlg470");
    EXPECT_EQ(page->windowTitle(), "Firmware and Configuration Upgrade/Backup");
}

} // namespace
