#include "CDevModule.h"
#include "CLamp.h"
#include "CMyBitmapApp.h"
#include "CPort.h"
#include "PanelDescriptionReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

constexpr int kPorts = 28;
constexpr int kFibreObjects = 4;

// The descriptions the build places beside the executables.
QString Shipped(const char* name)
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(name));
}

class ShippedPanelTest : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override { ASSERT_TRUE(LoadPanelDescription(Shipped(GetParam()), m_root, m_modules)); }

    CPort* Port(int n) const { return dynamic_cast<CPort*>(m_root.FindChildByClass("CPort", n)); }

    CDevModule m_root;
    ModuleList m_modules;
};

TEST_P(ShippedPanelTest, Has28PortsThenTheFourFibreObjectsEachLedByALinkLamp)
{
    ASSERT_EQ(Port(kPorts + kFibreObjects - 1) != nullptr, true);
    EXPECT_EQ(Port(kPorts + kFibreObjects), nullptr);
    const QRect panel(0, 0, m_root.GetRect().width(), m_root.GetRect().height());
    for (int n = 0; n < kPorts + kFibreObjects; ++n) {
        CPort* port = Port(n);
        const bool fibre = n >= kPorts;
        const int number = fibre ? 25 + (n - kPorts) : n + 1;
        EXPECT_EQ(port->GetId(), QStringLiteral("PORT%1%2").arg(number).arg(fibre ? "F" : "")) << n;
        EXPECT_TRUE(panel.contains(port->GetRect())) << n;
        for (int state = 0; state < CPort::kStateCount; ++state) {
            port->SetState(state);
            EXPECT_FALSE(port->Picture().IsNull()) << n << " state " << state;
        }
        auto* lamp = dynamic_cast<CLamp*>(port->GetChild(0));
        ASSERT_NE(lamp, nullptr) << n;
        EXPECT_EQ(lamp->GetType(), CLamp::Link) << n;
        EXPECT_EQ(lamp->ObservedSubject(), port->Subject()) << n;
        for (int other = 0; other < n; ++other)
            EXPECT_FALSE(port->GetRect().intersects(Port(other)->GetRect())) << n << " " << other;
    }
    ASSERT_NE(m_root.FindChildByClass("CCom", 1), nullptr);
    EXPECT_EQ(m_root.FindChildByClass("CCom", 0)->GetId(), "CONSOLE");
    EXPECT_EQ(m_root.FindChildByClass("CCom", 1)->GetId(), "FAN");
    EXPECT_EQ(m_root.FindChildByClass("VirtualDev", 0)->GetId(), "POWER");
    EXPECT_TRUE(m_modules.empty());

    DibImage background;
    ASSERT_TRUE(background.LoadFromFile(m_root.GetBitmapFile())) << background.LastError().toStdString();
    EXPECT_EQ(QSize(background.Width(), background.Height()), m_root.GetRect().size());
}

// Paints the panel as the device window does (background, elements, lamps) with a few ports
// up, and keeps the picture in the build tree for a look.
TEST_P(ShippedPanelTest, RendersAReadablePanel)
{
    const bool poe = QLatin1String(GetParam()) == QLatin1String("SorvexAP.xml");
    CMyBitmapApp leds;
    for (int id : {160, 159, 161, 162, 158, 163, 164, 190, 191, 192, 230, 231, 202, 204, 201, 203})
        ASSERT_TRUE(leds.LoadPicture(id)) << id;

    const int states[kPorts + 1] = {0, 1, 1, 0, 3, 1, 2, 3, 3, 1, 1, 3, 3, 0, 1, 3, 3, 3, 3, 1, 2, 3, 3, 1, 1, 1, 3, 3, 3};
    for (int p = 1; p <= kPorts; ++p)
        Port(p - 1)->SetState(states[p]);
    Port(24)->SetState(CPort::Enabled); // port 25 runs on its fibre side
    Port(kPorts)->SetState(CPort::Link10);

    DibImage background;
    ASSERT_TRUE(background.LoadFromFile(m_root.GetBitmapFile()));
    QImage image(m_root.GetRect().size(), QImage::Format_RGB32);
    QPainter painter(&image);
    background.Draw(painter, 0, 0, image.width(), image.height());
    m_root.PaintChildren(painter, nullptr);

    leds.DrawPicture(painter, 158, 15, 32);
    if (poe) {
        leds.DrawPicture(painter, 158, 15, 33);
        leds.DrawPicture(painter, 203, 37, 50);
        leds.DrawPicture(painter, 202, 68, 48);
        leds.DrawPicture(painter, 203, 68, 60);
        leds.DrawPicture(painter, 201, 37, 34);
    }
    auto lampPoint = [&](int object) { return Port(object)->GetChild(0)->GetRect().topLeft(); };
    for (int f = 0; f < kFibreObjects; ++f)
        leds.DrawPicture(painter, f % 2 == 0 ? 160 : 159, lampPoint(kPorts + f).x(), lampPoint(kPorts + f).y());
    for (int p = 1; p <= kPorts; ++p) {
        const QPoint at = p == 25 ? lampPoint(kPorts) : lampPoint(p - 1);
        const bool odd = p % 2 == 1;
        leds.DrawPicture(painter, odd ? 160 : 159, at.x(), at.y());
        const int state = p == 25 ? 0 : states[p];
        if (state == 1)
            leds.DrawPicture(painter, odd ? 162 : 161, at.x(), at.y());
        else if (state == 0)
            leds.DrawPicture(painter, odd ? 164 : 163, at.x(), at.y());
    }
    painter.end();

    const QString preview = QStringLiteral(PANEL_PREVIEW_DIR "/preview_%1.png").arg(QLatin1String(GetParam()));
    EXPECT_TRUE(image.scaled(image.size() * 2).save(preview));
    // the power mark and a green lamp sit where the window paints them
    EXPECT_EQ(image.pixelColor(lampPoint(1) + QPoint(2, 1)), leds.Find(161)->picture.pixelColor(2, 1));
    const int powerTop = poe ? 33 : 32;
    EXPECT_EQ(image.pixelColor(18, powerTop + 3), leds.Find(158)->picture.pixelColor(3, 3));
}

INSTANTIATE_TEST_SUITE_P(Models, ShippedPanelTest, testing::Values("SorvexA.xml", "SorvexAP.xml"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return QString::fromLatin1(info.param).section('.', 0, 0).toStdString();
                         });

} // namespace
