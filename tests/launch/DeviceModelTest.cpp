// The model's capabilities, decided from its name once, as a table over the names a profile holds.

#include "DeviceModel.h"

#include <gtest/gtest.h>

namespace {

TEST(DeviceModel, CapabilitiesFollowTheName)
{
    struct Case { const char* name; bool poe, ap, ep; int poePorts; bool fastEthernet, arpCreateAndGo; };
    const Case cases[] = {
        {"SORVEX-A B1", false, false, false, 0, true, false},
        {"SORVEX-A", false, false, false, 0, true, false},
        {"SORVEX-AP B1", true, true, false, 24, true, false},
        {"SORVEX-AP", true, true, false, 24, true, false},
        {"SORVEX-BP B1", true, false, false, 0, true, true},
        {"SORVEX-EP B1", true, false, true, 8, false, false},
        {"SORVEX-C B1", false, false, false, 0, true, false},
        {"SORVEX-G", false, false, false, 0, false, false},
        {"sorvex-ap b1", true, false, false, 0, false, false}, // names compare exactly
        {"SORVEX-AB", false, false, false, 0, false, false},   // a prefix is not the family
        {"", false, false, false, 0, false, false},
    };
    for (const Case& c : cases) {
        const DeviceModel model(c.name);
        EXPECT_EQ(model.poe(), c.poe) << c.name;
        EXPECT_EQ(model.apFamily(), c.ap) << c.name;
        EXPECT_EQ(model.epFamily(), c.ep) << c.name;
        EXPECT_EQ(model.poePortCount(), c.poePorts) << c.name;
        EXPECT_EQ(model.fastEthernetFamily(), c.fastEthernet) << c.name;
        EXPECT_EQ(model.arpRowsCreateAndGo(), c.arpCreateAndGo) << c.name;
    }
    EXPECT_TRUE(DeviceModel("SORVEX-G").isOneOf({DeviceModel::G, DeviceModel::H}));
    EXPECT_FALSE(DeviceModel("SORVEX-G B1").isOneOf({DeviceModel::G, DeviceModel::H}));
}

} // namespace
