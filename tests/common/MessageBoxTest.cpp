#include "MessageBox.h"
#include "ScriptedMessageBox.h"
#include "TestSupport.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <thread>

#include <gtest/gtest.h>

using Kind = ScriptedMessageBox::Kind;

TEST(ScriptedMessageBox, RecordsEveryBoxAndAnswersFromTheScript)
{
    ScriptedMessageBox boxes;
    boxes.answerQuestions({true, false});

    MessageBox::info("Invalid Portlist");
    EXPECT_TRUE(MessageBox::question("Do you want to save the configuration?"));
    MessageBox::info("Please select the VLAN !", MessageIcon::Information);
    EXPECT_FALSE(MessageBox::question("second"));
    EXPECT_FALSE(MessageBox::question("script ran out: Cancel, the default button"));
    boxes.setDefaultAnswer(true);
    EXPECT_TRUE(MessageBox::question("fourth"));

    const auto shown = boxes.shown();
    ASSERT_EQ(shown.size(), 6u);
    EXPECT_EQ(shown[0].kind, Kind::Info);
    EXPECT_EQ(shown[0].icon, MessageIcon::None);
    EXPECT_EQ(shown[1].kind, Kind::Question);
    EXPECT_TRUE(shown[1].answer);
    EXPECT_EQ(shown[2].icon, MessageIcon::Information);
    EXPECT_FALSE(shown[3].answer);
    EXPECT_EQ(boxes.texts().front(), "Invalid Portlist");

    boxes.clear();
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST(ScriptedMessageBox, NestedScriptsRestoreTheOuterOne)
{
    ScriptedMessageBox outer;
    {
        ScriptedMessageBox inner;
        MessageBox::info("inner");
        EXPECT_EQ(inner.texts(), QStringList{"inner"});
    }
    MessageBox::info("outer");
    EXPECT_EQ(outer.texts(), QStringList{"outer"});
}

TEST(ScriptedMessageBox, FlagsABoxShownOffTheGuiThread)
{
    testApplication();
    ScriptedMessageBox boxes;
    std::thread([] { MessageBox::info("from a callback"); }).join();
    MessageBox::info("from the page");
    const auto shown = boxes.shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_FALSE(shown[0].onGuiThread);
    EXPECT_TRUE(shown[1].onGuiThread);
}

namespace {

// Runs `inspect` on the real message box once it is up, then presses `button` on it.
void whenBoxShows(std::function<void(QMessageBox&)> inspect, QMessageBox::StandardButton button)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, inspect, button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll->stop();
        poll->deleteLater();
        inspect(*box);
        box->button(button)->click();
    });
    poll->start(10);
}

} // namespace

TEST(QtMessageBox, QuestionIsOkCancelWithCancelDefaultAndOnTop)
{
    testApplication();
    whenBoxShows(
        [](QMessageBox& box) {
            EXPECT_EQ(box.text(), "Do you want to reboot the device?");
            EXPECT_EQ(box.icon(), QMessageBox::Question);
            EXPECT_EQ(box.standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
            EXPECT_EQ(static_cast<QAbstractButton*>(box.defaultButton()), box.button(QMessageBox::Cancel));
            EXPECT_EQ(box.escapeButton(), box.button(QMessageBox::Cancel));
            EXPECT_TRUE(box.windowFlags() & Qt::WindowStaysOnTopHint);
        },
        QMessageBox::Ok);
    EXPECT_TRUE(MessageBox::question("Do you want to reboot the device?"));

    whenBoxShows([](QMessageBox&) {}, QMessageBox::Cancel);
    EXPECT_FALSE(MessageBox::question("Do you want to reboot the device?"));
}

TEST(QtMessageBox, InfoHasOnlyOk)
{
    testApplication();
    whenBoxShows(
        [](QMessageBox& box) {
            EXPECT_EQ(box.text(), "Invalid Portlist");
            EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
            EXPECT_EQ(box.standardButtons(), QMessageBox::Ok);
            EXPECT_TRUE(box.windowFlags() & Qt::WindowStaysOnTopHint);
        },
        QMessageBox::Ok);
    MessageBox::info("Invalid Portlist");

    whenBoxShows([](QMessageBox& box) { EXPECT_EQ(box.icon(), QMessageBox::Information); },
                 QMessageBox::Ok);
    MessageBox::info("Please select the VLAN !", MessageIcon::Information);
}
