// GetBulk through net-snmp over UDP: encoded with its two counts, answered rows decoded in
// order, an agent's refusal decoded as its error-status, and never sent on version 1.

#include "NetSnmpTransport.h"
#include "Oid.h"
#include "SimulatorProcess.h"
#include "WalkPlan.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

using namespace snmp;
using namespace std::chrono;

namespace {

const std::string kFdbPort = "1.3.6.1.2.1.17.7.1.2.2.1.2";
const std::string kIfOperStatus = "1.3.6.1.2.1.2.2.1.8";

SnmpTarget v3(const std::string& address)
{
    SnmpTarget t;
    t.address = address;
    t.version = 3;
    t.userName = "shades";
    t.msgFlags = 3;
    t.authArith = 1;
    t.authPassword = "shaauthpass";
    t.privPassword = "shaprivpass";
    return t;
}

SnmpPdu bulk(std::vector<std::string> oids, long nonRepeaters, long maxRepetitions)
{
    SnmpPdu pdu;
    pdu.type = PduType::GetBulk;
    for (auto& o : oids)
        pdu.binds.push_back(VarBind::null(o));
    pdu.nonRepeaters = nonRepeaters;
    pdu.maxRepetitions = maxRepetitions;
    return pdu;
}

class BulkTransportE2E : public ::testing::Test {
protected:
    // Starts a simulator with `options` and waits until it answers.
    void startSim(std::vector<std::string> options)
    {
        address = "127.0.0.1:" + std::to_string(freeUdpPort());
        state = ::testing::TempDir() + "/sorvex-sim-bulk-" + std::to_string(::getpid());
        sim = std::make_unique<Simulator>(address, state, std::move(options));
        sim->start();
        SnmpTarget v1;
        v1.address = address;
        v1.community = "tundra";
        SnmpPdu get;
        get.binds = {VarBind::null("1.3.6.1.2.1.1.5.0")};
        for (auto end = steady_clock::now() + seconds(10); steady_clock::now() < end;) {
            SnmpPdu response;
            if (transport.exchange(v1, get, response, 200, makeCancelToken()) == ExchangeStatus::Answered)
                return;
        }
        FAIL() << "the simulator never answered";
    }
    void TearDown() override
    {
        sim.reset();
        std::filesystem::remove_all(state);
    }

    NetSnmpTransport transport;
    std::unique_ptr<Simulator> sim;
    std::string address, state;
};

TEST_F(BulkTransportE2E, AnswersDecodeInRowOrderAndVersion1NeverSendsIt)
{
    startSim({"--fdb-entries", "100"});
    SnmpPdu response;
    // One non-repeater (sysName's predecessor), then two columns repeated 10 times.
    ASSERT_EQ(transport.exchange(v3(address), bulk({"1.3.6.1.2.1.1.4", kIfOperStatus, kFdbPort}, 1, 10), response, 3000,
                                 makeCancelToken()),
              ExchangeStatus::Answered);
    EXPECT_EQ(response.errorStatus, 0);
    ASSERT_EQ(response.binds.size(), 21u);
    EXPECT_EQ(response.binds[0].oid, "1.3.6.1.2.1.1.4.0");
    for (std::size_t r = 0; r < 10; ++r) {
        EXPECT_EQ(response.binds[1 + 2 * r].oid, kIfOperStatus + "." + std::to_string(r + 1));
        EXPECT_TRUE(oid::isInSubtree(response.binds[2 + 2 * r].oid, kFdbPort));
        if (r) {
            EXPECT_GT(oid::compare(response.binds[2 + 2 * r].oid, response.binds[2 * r].oid), 0);
        }
    }

    SnmpTarget v1 = v3(address);
    v1.version = 1;
    v1.community = "tundra";
    EXPECT_EQ(transport.exchange(v1, bulk({kFdbPort}, 0, 10), response, 1000, makeCancelToken()),
              ExchangeStatus::SendFailed);
}

TEST_F(BulkTransportE2E, RefusalIsDecodedAndAWalkPlanFallsBack)
{
    startSim({"--bulk", "refuse"});
    WalkPlan plan({kIfOperStatus}, true);
    SnmpPdu response;
    ASSERT_EQ(transport.exchange(v3(address), plan.nextRequest(), response, 3000, makeCancelToken()),
              ExchangeStatus::Answered);
    EXPECT_EQ(response.errorStatus, ErrorStatus::GenErr);
    EXPECT_TRUE(plan.take(response, 3).bulkFailed);
    int rows = 0;
    for (int end = 1; end == 1;) {
        ASSERT_EQ(transport.exchange(v3(address), plan.nextRequest(), response, 3000, makeCancelToken()),
                  ExchangeStatus::Answered);
        const auto step = plan.take(response, 3);
        rows += int(step.rows.size());
        end = step.end;
    }
    EXPECT_EQ(rows, 31);
}

} // namespace
