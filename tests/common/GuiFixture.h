#pragma once
// Widget tests against the in-memory agent: an offscreen application, the agent installed as
// the transport, version-1 launch parameters, the default device profile, and message boxes
// answered by script. Helpers find controls by their id and wait for queued results.

#include "TestSupport.h"

#include "DeviceProfile.h"
#include "LaunchParams.h"
#include "MemoryAgent.h"
#include "ScriptedMessageBox.h"
#include "SnmpTransport.h"
#include "UserInputBlock.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// Processes events until the condition holds or the time is up.
inline bool waitUntil(const std::function<bool()>& condition, int limitMs = 5000)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > limitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QTest::qSleep(2);
    }
    return true;
}

template <class T>
T* controlOf(const QWidget* page, int id)
{
    return page->findChild<T*>(QString::number(id));
}

// Waits until no page writes any more (its continuation has run), as an operator waits for the
// page to take input again.
inline bool waitForWrites(int limitMs = 20000)
{
    return waitUntil([] { return !UserInputBlock::active(); }, limitMs);
}

// Clicks the button and, when that starts a write, waits until the write has ended.
inline void clickButton(const QWidget* page, int id)
{
    auto* button = controlOf<QPushButton>(page, id);
    ASSERT_NE(button, nullptr) << "no button " << id;
    ASSERT_TRUE(button->isEnabled()) << "button " << id << " is disabled";
    button->click();
    ASSERT_TRUE(waitForWrites()) << "the write started by button " << id << " did not end";
}

// As the operator picks an item: the selection changes and the list reports it.
inline void chooseItem(QComboBox* list, int index)
{
    list->setCurrentIndex(index);
    emit list->activated(index);
}

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testApplication();
        agent = std::make_shared<snmp::MemoryAgent>();
        snmp::setTransport(agent);
        LaunchParams::setCurrent(LaunchParams::parse("/A1/I192.0.2.1/Rtundra/Wlantern/ETRUE/V1/P161"));
        LaunchParams::setTimeoutText("3000");
        DeviceProfile::setCurrent(DeviceProfile{});
    }
    void TearDown() override
    {
        snmp::setTransport(nullptr);
        LaunchParams::setTimeoutText("3000");
    }

    void load(const std::string& snmprec)
    {
        std::string error;
        ASSERT_TRUE(agent->loadSnmprecText(snmprec, error)) << error;
    }

    std::shared_ptr<snmp::MemoryAgent> agent;
    ScriptedMessageBox boxes;
};
