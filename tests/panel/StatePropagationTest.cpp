#include "CCom.h"
#include "CLamp.h"
#include "CLed.h"
#include "CPort.h"
#include "PanelFixture.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

namespace {

class PaintCounter : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

class StatePropagationTest : public PanelFixture {
protected:
    CPort* Port(int n) { return dynamic_cast<CPort*>(m_root.FindChildByClass("CPort", n)); }
    CLamp* Lamp(VirtualDev* owner, int i) { return dynamic_cast<CLamp*>(owner->GetChild(i)); }

    QByteArray LampOfType(const char* type)
    {
        const QByteArray typeElement = type ? QByteArray("<TYPE>") + type + "</TYPE>" : QByteArray();
        return "<LAMP>" + Values("L", 0, 0, 6, 4) + typeElement + "</LAMP>";
    }

    void LoadPortWithEveryLampType()
    {
        WriteBmp("link.bmp", 6, 6, Qt::green);
        WriteBmp("enable.bmp", 6, 6, Qt::blue);
        ASSERT_TRUE(Load("<FRONT><DEVICEPANEL p='../P'>" + Values("F", 0, 0, 40, 20) + "</DEVICEPANEL><P>"
                         "<PORT l='L'>" + Values("P1", 10, 5, 6, 6) + "<BMPLINK100>link.bmp</BMPLINK100>"
                         "<BMPENABLE>enable.bmp</BMPENABLE><L>" + LampOfType("LINK") + LampOfType("S100M")
                         + LampOfType("POWER") + LampOfType("CONSOLE") + LampOfType(nullptr) + "</L></PORT>"
                         "<CONSOLE l='L'>" + Values("C", 20, 5, 6, 6) + "<L>" + LampOfType("LINK") + "</L></CONSOLE>"
                         "<LED>" + Values("D", 30, 5, 6, 6) + "<BMP0>link.bmp</BMP0></LED>"
                         "</P></FRONT>"));
    }

    std::vector<int> LampStates(VirtualDev* owner)
    {
        std::vector<int> states;
        for (int i = 0; i < owner->ChildCount(); ++i)
            states.push_back(owner->GetChild(i)->GetState());
        return states;
    }

    QImage Render()
    {
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        m_root.PaintChildren(painter, nullptr);
        return image;
    }
};

TEST_F(StatePropagationTest, LinkLampsFollowThePortAndOtherLampsStayOff)
{
    LoadPortWithEveryLampType();
    CPort* port = Port(0);
    ASSERT_NE(port, nullptr);
    struct Row {
        int portState;
        std::vector<int> lamps; // LINK, S100M, POWER, CONSOLE, no TYPE
    } const rows[] = {
        {3, {2, 2, 2, 2, 2}}, {0, {0, 0, 2, 2, 2}}, {1, {1, 1, 2, 2, 2}},
        {2, {2, 2, 2, 2, 2}}, {0, {0, 0, 2, 2, 2}}, {4, {2, 2, 2, 2, 2}},
    };
    for (const Row& row : rows) {
        port->SetState(row.portState);
        EXPECT_EQ(port->GetState(), row.portState);
        EXPECT_EQ(LampStates(port), row.lamps) << "port state " << row.portState;
    }
}

TEST_F(StatePropagationTest, TheSameStateAgainTouchesNeitherLampsNorWindow)
{
    LoadPortWithEveryLampType();
    CPort* port = Port(0);
    PaintCounter window;
    window.resize(40, 20);
    window.show();
    QApplication::processEvents();

    port->SetState(1, &window);
    QApplication::processEvents();
    EXPECT_GT(window.paints, 0);

    for (int i = 0; i < port->ChildCount(); ++i)
        port->GetChild(i)->VirtualDev::SetState(7);
    window.paints = 0;
    port->SetState(1, &window);
    QApplication::processEvents();
    EXPECT_EQ(window.paints, 0);
    EXPECT_EQ(LampStates(port), std::vector<int>(5, 7));
}

TEST_F(StatePropagationTest, APortDrawsThePictureOfItsStateAndNothingWithoutOne)
{
    LoadPortWithEveryLampType();
    CPort* port = Port(0);
    port->SetState(CPort::Link100);
    EXPECT_EQ(Render().pixelColor(12, 7), QColor(Qt::green));
    EXPECT_EQ(port->Subject()->Value(), CPort::Link100);

    port->SetState(CPort::Enabled);
    EXPECT_EQ(Render().pixelColor(12, 7), QColor(Qt::blue));

    port->SetState(CPort::Link10); // no BMPLINK10
    EXPECT_TRUE(port->Picture().IsNull());
    EXPECT_EQ(Render().pixelColor(12, 7), QColor(Qt::black));
}

TEST_F(StatePropagationTest, AConsoleHandsItsStateToItsLampsOnRefresh)
{
    LoadPortWithEveryLampType();
    VirtualDev* console = m_root.FindChildByClass("CCom", 0);
    ASSERT_NE(console, nullptr);
    console->SetState(1);
    EXPECT_TRUE(console->Refresh());
    EXPECT_EQ(Lamp(console, 0)->GetState(), CLamp::On1G);
    console->SetState(5);
    console->Refresh();
    EXPECT_EQ(Lamp(console, 0)->GetState(), CLamp::Off);
}

TEST_F(StatePropagationTest, AnLedShowsOnlyLevelsWithAPicture)
{
    LoadPortWithEveryLampType();
    auto* led = dynamic_cast<CLed*>(m_root.FindChildByClass("CLed", 0));
    ASSERT_NE(led, nullptr);
    EXPECT_FALSE(led->Picture().IsNull());
    EXPECT_EQ(Render().pixelColor(32, 7), QColor(Qt::green));
    led->SetLevel(1);
    EXPECT_FALSE(led->Refresh());
    EXPECT_EQ(Render().pixelColor(32, 7), QColor(Qt::black));
}

} // namespace
