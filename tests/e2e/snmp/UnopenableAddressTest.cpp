// Addresses the transport cannot open, through the real net-snmp transport: every kind of request
// ends with -1 within its time-out (a Send with exactly one callback), and SNMP in the rest of the
// process keeps working afterwards. No peer is needed: nothing is ever sent.

#include "NetSnmpTransport.h"
#include "SessionFixture.h"
#include "SnmpFront.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <thread>

using namespace snmp;
using namespace std::chrono;

namespace {

constexpr int kTimeoutMs = 1000;
constexpr milliseconds kBound{kTimeoutMs + 400};

const char* const kAddresses[] = {
    "127.0.0.1:99999",    // port outside 1-65535
    "127.0.0.1:0",        // port outside 1-65535
    "nosuchhost.invalid", // a name that does not resolve
    "127.0.0.1:16x",      // stray characters in the port
    "127.0.0.1]",         // a stray character in the host
    "tcp:127.0.0.1:9",    // a transport prefix: never a connection
    "",                   // no address at all
};

const char* const kCredentials[] = {
    "/Rtundra/Wlantern/ETRUE/V1/P161",
    "/R/W/E/V3/P161/X/Y/T1/S2/Ushauser/Ashapassword/B/H3/J1",
};

// Runs `call` on a thread of its own; its result, or nothing when it did not end within `bound`
// (a hung call is left behind: the test has failed by then).
std::optional<int> endsWithin(milliseconds bound, std::function<int()> call)
{
    auto result = std::make_shared<std::promise<int>>();
    std::future<int> future = result->get_future();
    std::thread([result, call = std::move(call)] { result->set_value(call()); }).detach();
    if (future.wait_for(bound) != std::future_status::ready)
        return std::nullopt;
    return future.get();
}

class UnopenableAddress : public ::testing::Test {
protected:
    static void SetUpTestSuite() { SnmpInit("e2e"); }
};

int sendAndWait(bool table)
{
    CCommonSNMP session;
    session.Prepare(PduType::Get);
    session.AddVarBind("1.3.6.1.2.1.1.5.0", Syntax::Null);
    std::unique_ptr<CSnmp> answer;
    return table ? session.TableSendAndWait(answer, kTimeoutMs) : session.SendAndWait(answer, kTimeoutMs);
}

} // namespace

TEST_F(UnopenableAddress, EveryRequestEndsWithMinusOneWithinItsTimeout)
{
    for (const char* credentials : kCredentials) {
        for (const char* address : kAddresses) {
            const std::string line = "/A1/I" + std::string(address) + credentials;
            SCOPED_TRACE(line);
            LaunchParams params = LaunchParams::parse(line);
            params.IPAddress = address; // also the empty one, which the parser would not give
            LaunchParams::setCurrent(params);

            EXPECT_EQ(endsWithin(kBound, [] { return sendAndWait(false); }), -1) << "SendAndWait";
            EXPECT_EQ(endsWithin(kBound, [] { return sendAndWait(true); }), -1) << "TableSendAndWait";

            CCommonSNMP session;
            CallbackLog log(&session);
            session.Prepare(PduType::Get);
            session.AddVarBind("1.3.6.1.2.1.1.5.0", Syntax::Null);
            session.Send(&CallbackLog::callback, &log, kTimeoutMs);
            ASSERT_TRUE(log.waitFor(1, kBound)) << "Send: no callback";
            std::this_thread::sleep_for(milliseconds(100));
            ASSERT_EQ(log.count(), 1u) << "Send: more than one callback";
            EXPECT_EQ(log.entries[0].status, -1);
            EXPECT_TRUE(log.entries[0].taken);

            EXPECT_EQ(endsWithin(kBound, [] {
                          CallbackWalker walker;
                          walker.session.walk(
                              {"1.3.6.1.2.1.1"}, [](Reply) { return true; },
                              [&walker](int status) {
                                  std::lock_guard lock(walker.mutex);
                                  walker.endStatus = status;
                                  walker.ended = true;
                                  walker.cv.notify_all();
                              },
                              {kTimeoutMs});
                          std::unique_lock lock(walker.mutex);
                          walker.cv.wait_for(lock, kBound, [&] { return walker.ended; });
                          return walker.ended ? walker.endStatus : 99;
                      }),
                      -1)
                << "walk";
        }
    }
    // The rest of the process still talks: a silent address times out as usual.
    LaunchParams::setCurrent(LaunchParams::parse("/A1/I127.0.0.1:9/Rtundra/Wlantern/ETRUE/V1/P161"));
    const auto start = steady_clock::now();
    EXPECT_EQ(endsWithin(kBound, [] { return sendAndWait(false); }), -1);
    EXPECT_GE(steady_clock::now() - start, milliseconds(kTimeoutMs - 50));
}
