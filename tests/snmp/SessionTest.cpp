#include "SessionFixture.h"

#include "CSnmpV3.h"
#include "Enterprise.h"
#include "SnmprecParser.h"

#include <thread>

using namespace snmp;
using namespace std::chrono;

namespace {

const char* kSystem[] = {"1.3.6.1.2.1.1.1.0", "1.3.6.1.2.1.1.2.0", "1.3.6.1.2.1.1.3.0",
                         "1.3.6.1.2.1.1.4.0", "1.3.6.1.2.1.1.5.0", "1.3.6.1.2.1.1.6.0"};

void loadSystem(MemoryAgent& agent)
{
    std::string error;
    ASSERT_TRUE(agent.loadSnmprecText("1.3.6.1.2.1.1.1.0|4|switch\n1.3.6.1.2.1.1.2.0|6|1.3.6.1.4.1.32473\n"
                                      "1.3.6.1.2.1.1.3.0|67|4294967295\n1.3.6.1.2.1.1.4.0|4|ops\n"
                                      "1.3.6.1.2.1.1.5.0|4|core-1\n1.3.6.1.2.1.1.6.0|4|rack 4\n",
                                      error))
        << error;
}

// ifOperStatus of ports 1..n, then ifInOctets so a walk of column 8 leaves its subtree.
void loadOperStatus(MemoryAgent& agent, int n)
{
    for (int p = 1; p <= n; ++p)
        agent.setInteger("1.3.6.1.2.1.2.2.1.8." + std::to_string(p), p % 2 ? 1 : 2);
    agent.setUnsigned("1.3.6.1.2.1.2.2.1.10.1", Ber::Counter32, 5);
}

TEST_F(SessionTest, GetAnswersInRequestOrderAndTakesTheIdOnce)
{
    loadSystem(*agent);
    for (const char* version : {"1", "3"}) {
        SCOPED_TRACE(version);
        useLaunchLine(std::string("/A1/I192.0.2.1/Rtundra/Wlantern/ETRUE/V") + version + "/P161/X/Y/T/S1/Uops");
        CCommonSNMP session;
        CallbackLog log{&session};
        ASSERT_TRUE(session.Prepare(PduType::Get));
        for (const char* o : kSystem)
            session.AddVarBind(o, Syntax::Null);
        session.Send(&CallbackLog::callback, &log, 0);
        ASSERT_TRUE(log.waitFor(1));
        const auto& e = log.entries[0];
        EXPECT_EQ(e.status, 0);
        EXPECT_TRUE(e.taken);
        EXPECT_FALSE(session.TakeRequest(e.requestId));
        ASSERT_EQ(e.binds.size(), 6u);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(e.binds[i].oid, kSystem[i]);
        EXPECT_EQ(e.binds[2].text(), "4294967295"); // TimeTicks stay unsigned
        EXPECT_EQ(e.binds[1].text(), "1.3.6.1.4.1.32473");
    }
}

TEST_F(SessionTest, Version1UsesReadCommunityForReadsAndWriteCommunityForSets)
{
    CCommonSNMP session;
    std::unique_ptr<CSnmp> answer;
    session.Prepare(PduType::Get);
    session.AddVarBind("1.3.6.1.2.1.1.5.0", Syntax::Null);
    session.SendAndWait(answer, 0);
    session.Prepare(PduType::Set);
    session.AddVarBind("1.3.6.1.2.1.1.5.0", Syntax::OctetString, "x");
    session.SendAndWait(answer, 0);
    const auto requests = agent->requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].target.community, "tundra");
    EXPECT_EQ(requests[1].target.community, "lantern");
    EXPECT_FALSE(session.Prepare(PduType::Response)); // a response PDU is no request
}

struct SecurityCase {
    const char* levelAndProtocols; // S.. H.. J..
    int msgFlags;
    int authArith;
    bool authPassword;
    bool privPassword;
};

TEST_F(SessionTest, Version3SecurityParametersFollowTheLaunchLine)
{
    const SecurityCase cases[] = {
        {"S1/H3/J2", 0, 0, false, false},
        {"S2/H2/J1", 1, 0, true, false},
        {"S2/H3/J1", 1, 1, true, false},
        {"S2/H1/J1", 0, 0, false, false}, // unknown auth protocol: no security
        {"S3/H2/J2", 3, 0, true, true},
        {"S3/H3/J1", 1, 1, true, false},  // no privacy protocol: authentication only
        {"S3/H9/J2", 0, 0, false, true},  // the auth step clears the flags; privacy does not raise them
        {"S7/H3/J2", 0, 0, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.levelAndProtocols);
        std::string sec = c.levelAndProtocols;
        const std::string level = sec.substr(0, 2), auth = sec.substr(3, 2), priv = sec.substr(6, 2);
        useLaunchLine("/A1/I192.0.2.1/R/W/E/V3/P/X/Y/T/" + level + "/Uadmin/Aauthsecret/Bprivsecret/" + auth + "/" + priv);
        agent->clearRequests();
        CCommonSNMP session;
        std::unique_ptr<CSnmp> answer;
        ASSERT_TRUE(session.Prepare(PduType::Get));
        session.AddVarBind("1.3.6.1.2.1.1.5.0", Syntax::Null);
        session.SendAndWait(answer, 0);
        ASSERT_EQ(agent->requestCount(), 1);
        const SnmpTarget t = agent->requests()[0].target;
        EXPECT_EQ(t.version, 3);
        EXPECT_EQ(t.userName, "admin");
        EXPECT_EQ(t.msgMaxSize, 1024);
        EXPECT_EQ(t.authArith, c.authArith);
        EXPECT_EQ(t.authPassword, c.authPassword ? "authsecret" : "");
        EXPECT_EQ(t.privPassword, c.privPassword ? "privsecret" : "");
        EXPECT_EQ(t.msgFlags, c.msgFlags);
    }
}

TEST_F(SessionTest, UnsupportedVersionSendsNothingAndStillCallsBackOnce)
{
    useLaunchLine("/A1/I192.0.2.1/Rtundra/Wlantern/ETRUE/V2/P161");
    CCommonSNMP session;
    CallbackLog log{&session};
    EXPECT_FALSE(session.Prepare(PduType::Get));
    EXPECT_EQ(session.AddVarBind("1.3.6.1.2.1.1.5.0", Syntax::Null), -1);
    EXPECT_EQ(session.Send(&CallbackLog::callback, &log, 0), -1);
    std::unique_ptr<CSnmp> answer;
    EXPECT_EQ(session.SendAndWait(answer, 0), -1);
    EXPECT_EQ(session.TableSendAndWait(answer, 0), -1);
    ASSERT_TRUE(log.waitFor(1));
    std::this_thread::sleep_for(milliseconds(50));
    EXPECT_EQ(log.count(), 1u);
    EXPECT_EQ(log.entries[0].status, -1);
    EXPECT_TRUE(log.entries[0].taken);
    EXPECT_EQ(agent->requestCount(), 0);
    EXPECT_TRUE(session.WaitDone());
}

TEST_F(SessionTest, SendWithoutBindingsFailsAndCallsBackLater)
{
    CCommonSNMP session;
    CallbackLog log{&session};
    ASSERT_TRUE(session.Prepare(PduType::Get));
    EXPECT_EQ(session.Send(&CallbackLog::callback, &log, 0), -1);
    EXPECT_TRUE(session.WaitDone()); // the done event is left set
    ASSERT_TRUE(log.waitFor(1));
    EXPECT_EQ(log.entries[0].status, -1);
    EXPECT_EQ(agent->requestCount(), 0);
}

TEST_F(SessionTest, BadValueSpoilsTheWholeSet)
{
    CCommonSNMP session;
    ASSERT_TRUE(session.Prepare(PduType::Set));
    EXPECT_EQ(session.AddVarBind("1.3.6.1.2.1.1.5.0", Syntax::OctetString, "core"), 0);
    EXPECT_EQ(session.AddVarBind("1.3.6.1.2.1.1.7.0", Syntax::Integer, "99999999999"), -1);
    EXPECT_EQ(session.AddVarBind("1.3.6.1.2.1.1.7.0", Syntax::Unsigned32, "-1"), -1);
    EXPECT_EQ(session.AddVarBind("1.3.6.1.2.1.1.7.0", Syntax::IpAddress, "10.0.0.256"), -1);
    std::unique_ptr<CSnmp> answer;
    EXPECT_EQ(session.SendAndWait(answer, 0), -1);
    EXPECT_EQ(agent->requestCount(), 0);
}

TEST_F(SessionTest, SetRecordsSyntaxAndValueBytes)
{
    CCommonSNMP session;
    ASSERT_TRUE(session.Prepare(PduType::Set));
    const char bitmap[] = {'\xff', '\x00', '\x0f'};
    session.AddVarBind("ENTERPRISE.10.75.5.2.7.6.1.2.5", Syntax::OctetString, bitmap, 3);
    session.AddVarBind("1.3.6.1.2.1.1.7.0", Syntax::Integer, "-5");
    session.AddVarBind("1.3.6.1.2.1.1.8.0", Syntax::IpAddress, "10.1.2.3");
    session.AddVarBind("1.3.6.1.2.1.1.9.0", Syntax::Unsigned32, "4294967295");
    std::unique_ptr<CSnmp> answer;
    ASSERT_EQ(session.SendAndWait(answer, 0), 0);
    const auto sets = agent->requestsOfType(PduType::Set);
    ASSERT_EQ(sets.size(), 1u);
    const auto& b = sets[0].binds;
    EXPECT_EQ(b[0].oid, std::string(ENTERPRISE) + ".10.75.5.2.7.6.1.2.5");
    EXPECT_EQ(b[0].tag, Ber::OctetString);
    EXPECT_EQ(b[0].bytes, std::string(bitmap, 3));
    EXPECT_EQ(b[1].tag, Ber::Integer);
    EXPECT_EQ(b[1].number, -5);
    EXPECT_EQ(b[2].tag, Ber::IpAddress);
    EXPECT_EQ(b[2].bytes, std::string("\x0a\x01\x02\x03", 4));
    EXPECT_EQ(b[3].tag, Ber::Gauge32);
    EXPECT_EQ(b[3].number, 4294967295);
}

TEST_F(SessionTest, ErrorStatusIsAFailureEverywhere)
{
    agent->setObjectFault("1.3.6.1.2.1.1.5.0", {.errorStatus = ErrorStatus::NotWritable});
    CCommonSNMP session;
    std::unique_ptr<CSnmp> answer;
    session.Prepare(PduType::Set);
    session.AddVarBind("1.3.6.1.2.1.1.5.0", Syntax::OctetString, "x");
    EXPECT_EQ(session.SendAndWait(answer, 0), ErrorStatus::NotWritable);
    EXPECT_EQ(answer, nullptr);
    long status = 0;
    unsigned long index = 0;
    ASSERT_EQ(session.GetErrorInfo(status, index), 0);
    EXPECT_EQ(status, ErrorStatus::NotWritable);
    EXPECT_EQ(index, 1u);

    // TableSendAndWait keeps the set a set.
    session.Prepare(PduType::Set);
    session.AddVarBind("1.3.6.1.2.1.1.5.0", Syntax::OctetString, "x");
    EXPECT_EQ(session.TableSendAndWait(answer, 0), ErrorStatus::NotWritable);
    EXPECT_EQ(agent->requestsOfType(PduType::Set).size(), 2u);

    CallbackLog log{&session};
    session.Prepare(PduType::Set);
    session.AddVarBind("1.3.6.1.2.1.1.5.0", Syntax::OctetString, "x");
    session.Send(&CallbackLog::callback, &log, 0);
    ASSERT_TRUE(log.waitFor(1));
    EXPECT_EQ(log.entries[0].status, ErrorStatus::NotWritable);
}

TEST_F(SessionTest, TableSendAndWaitGetStaysGetAndGetNextContinues)
{
    loadOperStatus(*agent, 3);
    CCommonSNMP session;
    std::unique_ptr<CSnmp> answer;
    session.Prepare(PduType::Get);
    session.AddVarBind("1.3.6.1.2.1.2.2.1.8.2", Syntax::Null);
    ASSERT_EQ(session.TableSendAndWait(answer, 0), 0);
    EXPECT_EQ(answer->bindings()[0].oid, "1.3.6.1.2.1.2.2.1.8.2");
    EXPECT_EQ(agent->requests().back().pduType, PduType::Get);

    session.Prepare(PduType::GetNext);
    session.AddVarBind("1.3.6.1.2.1.2.2.1.8", Syntax::Null);
    std::vector<std::string> suffixes;
    int status;
    while ((status = session.TableSendAndWait(answer, 0)) == 0) {
        std::string suffix;
        ASSERT_EQ(session.GetIndexSuffix(0, answer.get(), suffix), 0);
        suffixes.push_back(suffix);
    }
    EXPECT_EQ(status, -2);
    EXPECT_EQ(suffixes, (std::vector<std::string>{".1", ".2", ".3"}));
}

// A walk started from the callback, as the pages do, for both versions; ends at -2.
TEST_F(SessionTest, WalkFromTheCallbackEndsWhenTheColumnEnds)
{
    loadOperStatus(*agent, 28);
    for (const char* version : {"1", "3"}) {
        SCOPED_TRACE(version);
        useLaunchLine(std::string("/A1/I192.0.2.1/Rtundra/Wlantern/ETRUE/V") + version + "/P161/X/Y/T/S1/Uops");
        CallbackWalker walker;
        EXPECT_EQ(walker.walk("1.3.6.1.2.1.2.2.1.8"), -2);
        ASSERT_EQ(walker.suffixes.size(), 28u);
        EXPECT_EQ(walker.suffixes.front(), ".1");
        EXPECT_EQ(walker.suffixes.back(), ".28");
    }
}

// A transport that answers every get-next with a fixed binding: a faulty agent.
class StuckAgent : public SnmpTransport {
public:
    explicit StuckAgent(VarBind answer) : m_answer(std::move(answer)) {}
    ExchangeStatus exchange(const SnmpTarget&, const SnmpPdu&, SnmpPdu& response, int, const CancelToken&) override
    {
        response = {};
        response.binds = {m_answer};
        return ExchangeStatus::Answered;
    }

private:
    VarBind m_answer;
};

TEST_F(SessionTest, WalkEndsOnEachOfItsThreeCauses)
{
    struct Case {
        const char* name;
        const char* version;
        std::shared_ptr<SnmpTransport> transport;
    };
    auto endOfMib = std::make_shared<MemoryAgent>();
    endOfMib->setInteger("1.3.6.1.2.1.2.2.1.8.1", 1); // the last object of the MIB
    auto outside = std::make_shared<MemoryAgent>();
    outside->setInteger("1.3.6.1.2.1.2.2.1.8.1", 1);
    outside->setInteger("1.3.6.1.2.1.2.2.1.9.1", 0);
    const Case cases[] = {
        {"leaves the subtree", "1", outside},
        {"end of MIB, version 1 noSuchName", "1", endOfMib},
        {"end of MIB, endOfMibView", "3", endOfMib},
        {"OID does not increase", "1", std::make_shared<StuckAgent>(VarBind::integer("1.3.6.1.2.1.2.2.1.8.1", 1))},
        {"OID goes back", "3", std::make_shared<StuckAgent>(VarBind::integer("1.3.6.1.2.1.2.2.1.8.0", 1))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        setTransport(c.transport);
        useLaunchLine(std::string("/A1/I192.0.2.1/Rtundra/Wlantern/ETRUE/V") + c.version + "/P161/X/Y/T/S1/Uops");
        CCommonSNMP session;
        std::unique_ptr<CSnmp> answer;
        session.Prepare(PduType::GetNext);
        session.AddVarBind("1.3.6.1.2.1.2.2.1.8", Syntax::Null);
        int status = 0, rows = 0;
        while ((status = session.TableSendAndWait(answer, 0)) == 0 && rows < 10)
            ++rows;
        EXPECT_EQ(status, -2);
        EXPECT_LE(rows, 1);
    }
}

TEST_F(SessionTest, CloseCutsAnOutstandingRequestShortAndNothingReachesTheOwner)
{
    agent->setDefaultFault({.delayMs = 5000});
    for (const char* version : {"1", "3"}) {
        SCOPED_TRACE(version);
        useLaunchLine(std::string("/A1/I192.0.2.1/Rtundra/Wlantern/ETRUE/V") + version + "/P161/X/Y/T/S1/Uops");
        auto session = std::make_unique<CCommonSNMP>();
        CallbackLog log{session.get()};
        session->Prepare(PduType::Get);
        session->AddVarBind("1.3.6.1.2.1.1.5.0", Syntax::Null);
        session->Send(&CallbackLog::callback, &log, 5000);
        std::this_thread::sleep_for(milliseconds(50));
        const auto start = steady_clock::now();
        session->Close();
        session.reset();
        EXPECT_LT(steady_clock::now() - start, milliseconds(500));
        std::this_thread::sleep_for(milliseconds(100));
        EXPECT_EQ(log.count(), 0u);
    }
}

TEST_F(SessionTest, SendAfterCloseIsRefusedSilently)
{
    CCommonSNMP session;
    CallbackLog log{&session};
    session.Prepare(PduType::Get);
    session.AddVarBind("1.3.6.1.2.1.1.5.0", Syntax::Null);
    session.Close();
    EXPECT_EQ(session.Send(&CallbackLog::callback, &log, 0), -1);
    std::this_thread::sleep_for(milliseconds(100));
    EXPECT_EQ(log.count(), 0u);
    EXPECT_EQ(agent->requestCount(), 0);
}

// A walk continued from its callback just as the page closes must not hold Close up.
TEST_F(SessionTest, CloseDuringACallbackThatContinuesItsWalkReturnsPromptly)
{
    loadSystem(*agent);
    struct SlowWalker {
        CCommonSNMP session;
        std::atomic<bool> inCallback{false};
        static unsigned cb(std::unique_ptr<CSnmp>, int id, void* owner, int)
        {
            auto* w = static_cast<SlowWalker*>(owner);
            w->session.TakeRequest(id);
            w->inCallback = true;
            std::this_thread::sleep_for(milliseconds(200));
            w->session.Send(&SlowWalker::cb, w, 0);
            return 0;
        }
    } walker;
    walker.session.Prepare(PduType::GetNext);
    walker.session.AddVarBind("1.3.6.1.2.1.1", Syntax::Null);
    walker.session.Send(&SlowWalker::cb, &walker, 0);
    while (!walker.inCallback)
        std::this_thread::sleep_for(milliseconds(5));
    const auto start = steady_clock::now();
    walker.session.Close();
    EXPECT_LT(steady_clock::now() - start, milliseconds(1000)); // the bound would be 4000 ms
}

TEST_F(SessionTest, NoAnswerEndsWithinTheTimeout)
{
    agent->setDefaultFault({.noAnswer = true});
    CCommonSNMP session;
    std::unique_ptr<CSnmp> answer;
    session.Prepare(PduType::Get);
    session.AddVarBind("1.3.6.1.2.1.1.5.0", Syntax::Null);
    const auto start = steady_clock::now();
    EXPECT_EQ(session.SendAndWait(answer, 200), -1);
    EXPECT_LT(steady_clock::now() - start, milliseconds(1000));
}

TEST_F(SessionTest, Version3RequestIdsCountAcrossSessions)
{
    useLaunchLine("/A1/I192.0.2.1/Rtundra/Wlantern/ETRUE/V3/P161/X/Y/T/S1/Uops");
    loadSystem(*agent);
    CCommonSNMP a, b;
    CallbackLog logA{&a}, logB{&b};
    const int before = CCommonSNMP::LastV3RequestId();
    for (auto [s, log] : {std::pair{&a, &logA}, std::pair{&b, &logB}}) {
        s->Prepare(PduType::Get);
        s->AddVarBind("1.3.6.1.2.1.1.5.0", Syntax::Null);
        EXPECT_EQ(s->Send(&CallbackLog::callback, log, 0), -1); // queued for the worker
        ASSERT_TRUE(log->waitFor(1));
    }
    EXPECT_EQ(logA.entries[0].requestId, before + 1);
    EXPECT_EQ(logB.entries[0].requestId, before + 2);
    EXPECT_EQ(logA.entries[0].status, 0);
}

TEST_F(SessionTest, ReprepareWithdrawsAPendingVersion3Request)
{
    useLaunchLine("/A1/I192.0.2.1/Rtundra/Wlantern/ETRUE/V3/P161/X/Y/T/S1/Uops");
    agent->setRequestFault(1, {.delayMs = 3000});
    CCommonSNMP session;
    CallbackLog log{&session};
    session.Prepare(PduType::Get);
    session.AddVarBind("1.3.6.1.2.1.1.5.0", Syntax::Null);
    session.Send(&CallbackLog::callback, &log, 0);
    std::this_thread::sleep_for(milliseconds(50));
    const auto start = steady_clock::now();
    ASSERT_TRUE(session.Prepare(PduType::Get));
    EXPECT_LT(steady_clock::now() - start, milliseconds(500));
    session.AddVarBind("1.3.6.1.2.1.1.6.0", Syntax::Null);
    session.Send(&CallbackLog::callback, &log, 0);
    ASSERT_TRUE(log.waitFor(1));
    std::this_thread::sleep_for(milliseconds(50));
    ASSERT_EQ(log.count(), 1u); // only the second request is answered
    ASSERT_EQ(log.entries[0].binds.size(), 1u);
    EXPECT_EQ(log.entries[0].binds[0].oid, "1.3.6.1.2.1.1.6.0");
    EXPECT_EQ(log.entries[0].binds[0].tag, Ber::NoSuchObject);
}

TEST(SnmprecParser, ReportsMalformedLinesWithFileAndLine)
{
    const struct {
        const char* text;
        int line;
    } bad[] = {
        {"1.3.6.1.2.1.1.5.0|4|ok\n1.3.6.1.2.1.1.6.0|4\n", 2},
        {"# comment\n\nnot.an.oid|4|x\n", 3},
        {"1.3.6.1.2.1.1.7.0|2|12x\n", 1},
        {"1.3.6.1.2.1.1.7.0|2|99999999999\n", 1},
        {"1.3.6.1.2.1.1.7.0|4x|abc\n", 1},
        {"1.3.6.1.2.1.1.7.0|64|10.0.0\n", 1},
        {"1.3.6.1.2.1.1.7.0|66|4294967296\n", 1},
        {"1.3.6.1.2.1.1.7.0|99|1\n", 1},
        {"1.3.6.1.2.1.1.7.0|4:writecache|novalue\n", 1},
    };
    for (const auto& c : bad) {
        SCOPED_TRACE(c.text);
        std::vector<VarBind> out;
        SnmprecError error;
        EXPECT_FALSE(SnmprecParser::parseText(c.text, "seed.snmprec", out, error));
        EXPECT_EQ(error.line, c.line);
        EXPECT_EQ(error.message().rfind("seed.snmprec:" + std::to_string(c.line) + ": ", 0), 0u) << error.message();
    }
}

TEST(SnmprecParser, ReadsEveryTagAndTheWritecacheForm)
{
    std::vector<VarBind> out;
    SnmprecError error;
    ASSERT_TRUE(SnmprecParser::parseText("1.3.6.1.2.1.1.1.0|4|a|b\n"
                                         "1.3.6.1.2.1.1.2.0|6|ENTERPRISE.1\n"
                                         "1.3.6.1.2.1.1.3.0|67|123\n"
                                         "1.3.6.1.2.1.1.4.0|4x|00ff10\n"
                                         "1.3.6.1.2.1.1.5.0|4:writecache|value=core-1\n"
                                         "ENTERPRISE.10.75.5.2.1.15.1.0|2|-3\n"
                                         "1.3.6.1.2.1.4.20.1.1.10.0.0.1|64|10.0.0.1\n"
                                         "1.3.6.1.2.1.2.2.1.10.1|65|7\n"
                                         "1.3.6.1.2.1.2.2.1.5.1|66|1000000000\n",
                                         "f", out, error))
        << error.message();
    ASSERT_EQ(out.size(), 9u);
    EXPECT_EQ(out[0].bytes, "a|b");
    EXPECT_EQ(out[1].bytes, std::string(ENTERPRISE) + ".1");
    EXPECT_EQ(out[2].tag, Ber::TimeTicks);
    EXPECT_EQ(out[3].bytes, std::string("\x00\xff\x10", 3));
    EXPECT_EQ(out[4].bytes, "core-1");
    EXPECT_EQ(out[5].oid, std::string(ENTERPRISE) + ".10.75.5.2.1.15.1.0");
    EXPECT_EQ(out[5].number, -3);
    EXPECT_EQ(out[6].text(), "10.0.0.1");
    EXPECT_EQ(out[8].text(), "1000000000");
    for (const auto& vb : out) {
        std::vector<VarBind> again;
        ASSERT_TRUE(SnmprecParser::parseText(SnmprecParser::formatLine(vb), "f", again, error));
        EXPECT_EQ(again[0], vb);
    }
}

} // namespace
