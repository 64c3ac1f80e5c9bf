#include "CCom.h"
#include "CPort.h"
#include "PanelClickSink.h"
#include "PanelFixture.h"

#include <QWidget>

namespace {

class RecordingSink : public PanelClickSink {
public:
    QStringList clicks;
    void OnPortClicked(CPort& port) override { clicks << "port " + port.GetId(); }
    void OnComClicked(CCom& com) override { clicks << "com " + com.GetId(); }
};

class HitTestTest : public PanelFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Load("<FRONT><DEVICEPANEL p='../P'>" + Values("F", 0, 0, 200, 100) + "</DEVICEPANEL><P>"
                         "<PANEL>" + Values("BACK", 0, 0, 200, 100) + "</PANEL>"
                         "<PORT>" + Values("P1", 10, 10, 30, 20) + "</PORT>"
                         "<CONSOLE>" + Values("CON", 100, 10, 30, 20) + "</CONSOLE>"
                         "</P></FRONT>"));
        m_port = m_root.FindChildByClass("CPort", 0);
        m_window.resize(200, 100);
        m_root.SetClickSink(&m_sink);
    }

    VirtualDev* m_port = nullptr;
    QWidget m_window;
    RecordingSink m_sink;
};

TEST_F(HitTestTest, NothingIsHitBeforeTheWindowSizeIsKnown)
{
    EXPECT_FALSE(m_port->HitTest(20, 20));
    m_root.OnClick(20, 20);
    EXPECT_TRUE(m_sink.clicks.isEmpty());

    QWidget collapsed;
    collapsed.resize(0, 0);
    m_root.AttachWindow(&collapsed);
    EXPECT_FALSE(m_port->HitTest(20, 20));
}

TEST_F(HitTestTest, TwoPixelsInsideTheEdgeDoNotCount)
{
    m_root.AttachWindow(&m_window);
    // the port spans x 10…40 and y 10…30
    struct Point {
        int x, y;
        bool inside;
    } const points[] = {
        {12, 20, false}, {13, 20, true}, {37, 20, true}, {38, 20, false},
        {25, 12, false}, {25, 13, true}, {25, 27, true}, {25, 28, false},
    };
    for (const Point& p : points)
        EXPECT_EQ(m_port->HitTest(p.x, p.y), p.inside) << p.x << "," << p.y;

    // the rectangle follows the client size against the size recorded when attached
    m_window.resize(400, 200);
    EXPECT_FALSE(m_port->HitTest(25, 20));
    EXPECT_TRUE(m_port->HitTest(60, 30));
}

TEST_F(HitTestTest, ClicksReachTheSinkFromPortsAndComsOnly)
{
    m_root.AttachWindow(&m_window);
    m_root.OnClick(12, 20); // in the port's margin, on the panel picture
    m_root.OnClick(13, 20);
    m_root.OnClick(115, 20);
    m_root.OnClick(180, 80);
    EXPECT_EQ(m_sink.clicks, (QStringList{"port P1", "com CON"}));
}

TEST_F(HitTestTest, TheHandCursorShowsOverClickableElements)
{
    m_root.AttachWindow(&m_window);
    m_root.UpdateCursor(20, 20);
    EXPECT_EQ(m_window.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(m_window.cursor().pixmap().size(), QSize(32, 32));
    m_root.UpdateCursor(180, 80);
    EXPECT_EQ(m_window.cursor().shape(), Qt::ArrowCursor);
    m_root.UpdateCursor(115, 20);
    EXPECT_EQ(m_window.cursor().shape(), Qt::BitmapCursor);
    m_root.UpdateCursor(500, 500);
    EXPECT_EQ(m_window.cursor().shape(), Qt::ArrowCursor);
}

} // namespace
