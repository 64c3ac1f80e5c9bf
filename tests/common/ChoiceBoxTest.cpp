// A choice box shows what the switch holds, also a value none of its items stands for, and gives
// back exactly that value unless the operator picks another item.

#include "ChoiceBox.h"
#include "GuiFixture.h"

#include <gtest/gtest.h>
#include <QComboBox>

namespace {

const ChoiceBox::Items kSeverities{{QStringLiteral("Warning"), 4}, {QStringLiteral("Info"), 6}, {QStringLiteral("All"), 7}};

TEST(ChoiceBox, ShowsAndGivesBackEachValue)
{
    testApplication();
    struct Case { int shown; QString text; int count; };
    const Case cases[] = {
        {6, "Info", 3},
        {7, "All", 3},
        {5, "5", 4},   // unlisted: shown as its number, written back as read
        {4, "Warning", 3}, // the extra item goes once a listed value is shown again
        {0, "0", 4},
    };
    QComboBox box;
    ChoiceBox::setItems(box, kSeverities);
    for (const Case& c : cases) {
        ChoiceBox::show(box, c.shown);
        EXPECT_EQ(box.currentText(), c.text) << c.shown;
        EXPECT_EQ(box.count(), c.count) << c.shown;
        EXPECT_EQ(ChoiceBox::value(box), c.shown) << c.shown;
    }
}

TEST(ChoiceBox, PickingAListedItemReplacesTheUnlistedValueAndClearGivesNone)
{
    testApplication();
    QComboBox box;
    ChoiceBox::setItems(box, kSeverities);
    ChoiceBox::show(box, 3);
    box.setCurrentIndex(box.findText(QStringLiteral("Warning")));
    EXPECT_EQ(ChoiceBox::value(box), 4);
    ChoiceBox::clear(box);
    EXPECT_EQ(box.count(), 3);
    EXPECT_EQ(ChoiceBox::value(box), std::nullopt);
}

} // namespace
