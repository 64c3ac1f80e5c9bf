#include "PortStatusBoard.h"

#include <gtest/gtest.h>

namespace {

using OS = PortStatusBoard::ObjectState;

struct LinkCase {
    const char* admin;
    const char* oper;
    const char* speed;
    bool gigabitPort;
    int state;
};

class LinkStateTest : public testing::TestWithParam<LinkCase> {};

TEST_P(LinkStateTest, FromAdminOperAndSpeed)
{
    const LinkCase& c = GetParam();
    EXPECT_EQ(PortStatusBoard::LinkState({1, c.admin, c.oper, c.speed, 1}, c.gigabitPort), c.state);
}

INSTANTIATE_TEST_SUITE_P(Cases, LinkStateTest,
                         testing::Values(LinkCase{"1", "1", "100000000", false, 1}, LinkCase{"1", "1", "10000000", false, 0},
                                         LinkCase{"1", "1", "1000000000", false, 0}, LinkCase{"1", "1", "1000000000", true, 1},
                                         LinkCase{"1", "1", "100000000", true, 0}, LinkCase{"2", "1", "100000000", false, 2},
                                         LinkCase{"", "1", "100000000", false, 2}, LinkCase{"1", "2", "100000000", false, 3},
                                         LinkCase{"1", "7", "0", false, 3}));

TEST(PortStatusBoardTest, ComboPortOnFibreLightsItsFibreObjectOnly)
{
    PortStatusBoard board;
    const auto applied = board.ApplyLinkRows({
        {1, "1", "1", "100000000", 1},
        {5, "1", "1", "100000000", 3},     // media 3 on a copper-only port: stays on its own object
        {25, "1", "1", "1000000000", 4},
        {26, "1", "1", "1000000000", 2},
        {29, "1", "1", "100000000", 3},    // beyond the ports
        {-1, "1", "1", "100000000", 3},
    });
    const PortStatusBoard::ObjectStates expected{{28, 3}, {29, 3}, {30, 3}, {31, 3}, {0, 1}, {4, 1}, {28, 1}, {24, 3}, {25, 1}};
    EXPECT_EQ(applied, expected);
    EXPECT_EQ(board.PortState(25), 1);
    EXPECT_EQ(board.PortState(2), 3); // not reported
    EXPECT_TRUE(board.RunsOnFibre(25));
    EXPECT_FALSE(board.RunsOnFibre(5));
    EXPECT_EQ(board.MediaType(28), 0);
    EXPECT_EQ(board.FibreObject(24), -1);
    EXPECT_EQ(board.FibreObject(28), 31);
}

TEST(PortStatusBoardTest, ResetsCoverEveryPortAndFibreObject)
{
    PortStatusBoard board;
    board.ApplyLinkRows({{3, "1", "1", "100000000", 1}});
    const auto reset = board.ResetPortDisplay();
    ASSERT_EQ(reset.size(), 32u);
    EXPECT_EQ(reset.back(), (OS{31, 2}));
    EXPECT_EQ(board.PortState(3), 3);

    const auto panel = PortStatusBoard::ResetPanel(53);
    ASSERT_EQ(panel.size(), 52u);
    EXPECT_EQ(panel[47], (OS{47, 3}));
    EXPECT_EQ(panel[48], (OS{48, 4}));
}

TEST(PortStatusBoardTest, PoeRowsLightThePoweredPortsAndDarkenTheRest)
{
    PortStatusBoard::Layout layout;
    layout.poePortCount = 24;
    PortStatusBoard board(layout);
    const auto applied = board.ApplyPoeRows({{1, "POWER ON"}, {2, "POWER OFF"}, {3, "Time-based OFF"}, {4, "Searching"}});
    ASSERT_EQ(applied.size(), 8u + 4u);
    EXPECT_EQ(applied.front(), (OS{24, 2}));
    EXPECT_EQ(applied[7], (OS{31, 2}));
    EXPECT_EQ(board.PortState(1), 1);
    EXPECT_EQ(board.PortState(2), 2);
    EXPECT_EQ(board.PortState(3), 2);
    EXPECT_EQ(board.PortState(4), 0);
    EXPECT_EQ(board.MediaType(4), 2);
}

TEST(PortStatusBoardTest, ProfileValuesAreBounded)
{
    PortStatusBoard::Layout layout;
    layout.portCount = 100000;
    layout.comboCount = -3;
    PortStatusBoard board(layout);
    EXPECT_EQ(board.GetLayout().portCount, PortStatusBoard::kMaxPorts);
    EXPECT_EQ(board.ObjectCount(), PortStatusBoard::kMaxPorts);
    board.ApplyLinkRows({{99, "1", "1", "100000000", 3}, {100, "1", "1", "100000000", 1}});
    EXPECT_EQ(board.PortState(99), 0);
    EXPECT_EQ(board.PortState(100), 3);
}

} // namespace
