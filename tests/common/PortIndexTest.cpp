#include "PortIndex.h"

#include <gtest/gtest.h>

TEST(PortOfIndex, OneArcWithinThePortsOnly)
{
    const std::pair<const char*, int> cases[] = {
        {".1", 1}, {".28", 28}, {".0", 0}, {".29", 0}, {".1.5", 0}, {"", 0}, {".", 0}, {"5", 0},
        {".5x", 0}, {".-3", 0}, {".99999999999999999999999", 0},
    };
    for (const auto& [index, port] : cases)
        EXPECT_EQ(PortOfIndex(index, 28), port) << index;
}
