// The base of the per-port pages: anchors that follow a resize, the smallest size, the size grip;
// the per-port grid by size table; the data object's link checks and port-list text.

#include "GuiFixture.h"

#include "CPortDataBase.h"
#include "CResizeDialog.h"
#include "Enterprise.h"
#include "PortGrid.h"

#include <QLabel>
#include <QSizeGrip>

namespace {

class AnchoredPage : public CResizeDialog {
public:
    AnchoredPage() : CResizeDialog(171)
    {
        for (int id : {1, 2, 3, 4})
            control<QPushButton>(id)->setGeometry(10, 10, 40, 20);
        resize(300, 200);
    }
};

class PortDialogBase : public GuiTest {};

TEST_F(PortDialogBase, AnchorsFollowTheResizeAndTheOpeningSizeIsTheSmallest)
{
    AnchoredPage page;
    EXPECT_FALSE(page.setAnchors({}));
    ASSERT_TRUE(page.setAnchors({{1, CResizeDialog::MoveBoth, 100},
                                 {2, CResizeDialog::GrowBoth, 50},
                                 {3, CResizeDialog::MoveY, 150}, // out of range: ignored
                                 {4, CResizeDialog::GrowX, 100},
                                 {99, CResizeDialog::MoveX, 100}})); // no such control
    page.show();
    EXPECT_EQ(page.minimumSize(), QSize(300, 200));
    EXPECT_TRUE(page.windowFlags() & Qt::WindowStaysOnTopHint);
    page.resize(400, 251);
    EXPECT_EQ(controlOf<QPushButton>(&page, 1)->geometry(), QRect(110, 61, 40, 20));
    EXPECT_EQ(controlOf<QPushButton>(&page, 2)->geometry(), QRect(10, 10, 90, 45));
    EXPECT_EQ(controlOf<QPushButton>(&page, 3)->geometry(), QRect(10, 10, 40, 20));
    EXPECT_EQ(controlOf<QPushButton>(&page, 4)->geometry(), QRect(10, 10, 140, 20));
    auto* grip = page.findChild<QSizeGrip*>();
    ASSERT_NE(grip, nullptr);
    EXPECT_EQ(grip->geometry().bottomRight(), QPoint(399, 250));
    EXPECT_TRUE(grip->isVisible());
    page.resize(300, 200); // back: everything returns
    EXPECT_EQ(controlOf<QPushButton>(&page, 1)->geometry(), QRect(10, 10, 40, 20));
    page.reject();
}

TEST_F(PortDialogBase, GridTakesTheTableEntryOfThePortCount)
{
    static constexpr PortGridSize sizes[] = {{28, {625, 255}, 14, 0}, {16, {450, 245}, 8, 10}, {48, {545, 345}, 12, 0}};
    const PortGrid twentyEight(28, sizes, {25, 65}, 42, 45);
    EXPECT_EQ(twentyEight.window(), QSize(625, 255));
    EXPECT_EQ(twentyEight.rows(), 2);
    EXPECT_EQ(twentyEight.cell(1), QRect(25, 65, 42, 45));
    EXPECT_EQ(twentyEight.cell(15), QRect(25, 110, 42, 45));
    EXPECT_EQ(twentyEight.extent(), QSize(14 * 42, 45));
    const PortGrid sixteen(16, sizes, {25, 65}, 42, 45);
    EXPECT_EQ(sixteen.cell(8).x(), 25 + 7 * 52); // the extra gap widens each column
    EXPECT_EQ(PortGrid(48, sizes, {0, 0}, 40, 45).cell(13).y(), 45);
    EXPECT_EQ(PortGrid(48, 24, {0, 0}, 20, 45).cell(25), QRect(0, 45, 20, 45));
    const PortGrid ten(10, sizes, {25, 65}, 42, 45); // not in the table: one row
    EXPECT_FALSE(ten.window().isValid());
    EXPECT_EQ(ten.rows(), 1);
    EXPECT_EQ(ten.cell(10).x(), 25 + 9 * 42);

    QWidget parent;
    QLabel* caption = twentyEight.addCaption(&parent, 15, 4515, 0);
    EXPECT_EQ(caption->objectName(), "4515");
    EXPECT_EQ(caption->text(), "15");
    EXPECT_EQ(caption->geometry().topLeft(), QPoint(25, 110));
}

TEST_F(PortDialogBase, DataObjectComparesValuesWithinEachLinkOnceTheLinksAreRead)
{
    load("ENTERPRISE.10.75.5.2.8.1.3.1.2.1|4x|c0000000\nENTERPRISE.10.75.5.2.8.1.3.1.2.2|4x|00000000\n");
    QObject owner;
    PageSessions sessions(&owner);
    CPortDataBase data(sessions, 8);
    const std::vector<int> splitLink = {1, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_TRUE(data.isConsistentWithLinks(splitLink)); // no links known yet
    data.links().start();
    ASSERT_TRUE(waitUntil([&] { return data.links().finished(); }));
    ASSERT_TRUE(data.links().complete());
    EXPECT_FALSE(data.isConsistentWithLinks(splitLink));
    EXPECT_FALSE(data.isConsistentWithLinks({0, 2, 0, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(data.isConsistentWithLinks({3, 2, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(data.isConsistentWithLinks({2, 2, 1, 0, 0, 0, 0, 5}));
    EXPECT_TRUE(data.isConsistentWithLinks({0, 0, 1, 1, 1, 1, 1, 1}));
}

TEST_F(PortDialogBase, DataObjectTurnsPortListTextIntoAPortList)
{
    QObject owner;
    PageSessions sessions(&owner);
    CPortDataBase data(sessions, 28);
    std::string octets;
    EXPECT_TRUE(data.portTextToOctets(QStringLiteral("1-3,28"), octets));
    EXPECT_EQ(octets, ::octets({0xE0, 0x00, 0x00, 0x10}));
    EXPECT_FALSE(data.portTextToOctets(QString(), octets));
    EXPECT_FALSE(data.portTextToOctets(QStringLiteral("2,29"), octets));
    EXPECT_EQ(boxes.texts(), (QStringList{"Please input port value.", "Invalid Portlist"}));
}

} // namespace
