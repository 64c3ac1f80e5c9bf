#include "PanelLampPainter.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Lamp = PanelLampPainter::Lamp;

// Lamp points of a 28-port panel: copper object n at (10n, 50), fibre objects at (10n, 70).
std::optional<QPoint> Point(int object)
{
    if (object < 0 || object >= 32)
        return std::nullopt;
    return QPoint(10 * object + 10, object < 28 ? 50 : 70);
}

bool Has(const std::vector<Lamp>& lamps, Lamp lamp)
{
    return std::find(lamps.begin(), lamps.end(), lamp) != lamps.end();
}

struct FixedCase {
    const char* model;
    int reachable;
    bool linkMode;
    bool powMax;
    int fan;
    std::vector<Lamp> expected;
};

class FixedLampsTest : public testing::TestWithParam<FixedCase> {};

TEST_P(FixedLampsTest, FollowTheModelAndTheFlags)
{
    const FixedCase& c = GetParam();
    PortStatusBoard board;
    board.reachable = c.reachable;
    board.linkMode = c.linkMode;
    board.powMax = c.powMax;
    board.fanStatus = c.fan;
    EXPECT_EQ(PanelLampPainter(board, c.model).FixedLamps(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Models, FixedLampsTest,
    testing::Values(
        FixedCase{"SORVEX-A B1", 1, true, true, 2, {{158, {15, 32}}}},
        FixedCase{"SORVEX-AP B1", 1, true, false, 1, {{158, {15, 32}}, {203, {37, 50}}, {158, {15, 33}}, {202, {68, 48}}, {203, {68, 60}}}},
        FixedCase{"SORVEX-AP B1", 1, false, true, 2,
                  {{158, {15, 32}}, {203, {37, 50}}, {158, {15, 33}}, {203, {68, 48}}, {202, {68, 60}}, {204, {37, 50}}, {201, {37, 34}}}},
        FixedCase{"SORVEX-AP", 0, true, true, 2,
                  {{158, {15, 32}}, {203, {37, 50}}, {158, {15, 33}}, {203, {68, 60}}, {203, {68, 48}}, {203, {37, 34}}, {203, {37, 50}}}}));

TEST(PanelLampPainterTest, PortLampsBlinkByStateAndComboPortsOnFibreUseTheFibreLamp)
{
    PortStatusBoard board;
    board.ApplyLinkRows({{1, "1", "1", "100000000", 1},     // full speed: green on phase 0
                         {2, "1", "1", "10000000", 1},      // below full speed: amber on phase 1
                         {3, "2", "1", "100000000", 1},     // down: dark
                         {25, "1", "1", "1000000000", 3}}); // on its fibre side
    PanelLampPainter painter(board, "SORVEX-A B1");

    board.blinkPhase = 0;
    auto lamps = painter.PortLamps(Point);
    EXPECT_TRUE(Has(lamps, {162, *Point(0)}));
    EXPECT_FALSE(Has(lamps, {163, *Point(1)}));
    EXPECT_TRUE(Has(lamps, {160, *Point(2)}));
    EXPECT_TRUE(Has(lamps, {162, *Point(28)}));  // port 25's lamp on the fibre object
    EXPECT_FALSE(Has(lamps, {162, *Point(24)}));
    EXPECT_TRUE(Has(lamps, {160, *Point(24)})); // its copper lamp dark
    EXPECT_TRUE(Has(lamps, {159, *Point(29)})); // second fibre object's idle mark

    board.blinkPhase = 1;
    lamps = painter.PortLamps(Point);
    EXPECT_FALSE(Has(lamps, {162, *Point(0)}));
    EXPECT_TRUE(Has(lamps, {163, *Point(1)}));

    // In PoE mode no dark lamp is laid first, and the fibre side plays no part.
    board.linkMode = false;
    board.blinkPhase = 0;
    lamps = painter.PortLamps(Point);
    EXPECT_FALSE(Has(lamps, {160, *Point(0)}));
    EXPECT_TRUE(Has(lamps, {162, *Point(24)}));
}

TEST(PanelLampPainterTest, PortsWithoutALampAreSkipped)
{
    PortStatusBoard board;
    board.ApplyLinkRows({{1, "1", "1", "100000000", 1}});
    const auto lamps = PanelLampPainter(board, "SORVEX-A B1").PortLamps([](int object) -> std::optional<QPoint> {
        return object == 0 ? std::nullopt : Point(object);
    });
    EXPECT_TRUE(std::none_of(lamps.begin(), lamps.end(), [](const Lamp& l) { return l.at == *Point(0); }));
    EXPECT_TRUE(Has(lamps, {159, *Point(1)}));
}

} // namespace
