// WalkPlan against the in-memory agent: a bulk walk hands on exactly the rows, suffixes and end
// of a get-next walk, whatever the agent does to its answers; the get-next plan matches the
// adapter's own get-next walk (CSnmpTable).

#include "CSnmpTable.h"
#include "CSnmpV1.h"
#include "CSnmpV3.h"
#include "MemoryAgent.h"
#include "WalkPlan.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <ostream>

using namespace snmp;

namespace snmp {
// Readable failures: the OID and the value, not the bytes of the struct.
void PrintTo(const VarBind& vb, std::ostream* os)
{
    *os << vb.oid << "=" << vb.tag << ":" << vb.text();
}
} // namespace snmp

namespace {

const std::string kTable = "1.3.6.1.4.1.99.1.1";
std::string column(int c)
{
    return kTable + "." + std::to_string(c);
}

// Columns 1.. of a table with `rows[c-1]` rows each, indexed like MAC addresses (several arcs),
// values of growing length; `trailer` puts an object after the table, else the table ends the MIB.
void loadTable(MemoryAgent& agent, const std::vector<int>& rows, bool trailer)
{
    for (std::size_t c = 0; c < rows.size(); ++c)
        for (int r = 1; r <= rows[c]; ++r)
            agent.setOctets(column(int(c) + 1) + ".0.27." + std::to_string(r / 200) + "." + std::to_string(r % 200),
                            std::string(std::size_t(r % 9), 'x') + std::to_string(r));
    if (trailer)
        agent.setInteger("1.3.6.1.4.1.99.2.0", 7);
}

struct Walked {
    std::vector<std::vector<VarBind>> rows;
    std::vector<std::vector<std::string>> suffixes;
    int end = 0;
    int requests = 0;
    bool fellBack = false;
};

SnmpTarget targetOf(int version)
{
    SnmpTarget t;
    t.address = "192.0.2.1";
    t.version = version;
    t.community = "tundra";
    t.userName = "ops";
    return t;
}

// The walk loop a session runs: a time-out of GetBulk falls back to get-next and asks again.
Walked run(WalkPlan& plan, MemoryAgent& agent, int version, int timeoutMs = 200)
{
    Walked out;
    const SnmpTarget target = targetOf(version);
    for (int guard = 0; guard < 10000; ++guard) {
        SnmpPdu response;
        ++out.requests;
        const auto status = agent.exchange(target, plan.nextRequest(), response, timeoutMs, makeCancelToken());
        if (status == ExchangeStatus::NoAnswer && plan.usesBulk()) {
            plan.fallBackToGetNext();
            out.fellBack = true;
            continue;
        }
        if (status != ExchangeStatus::Answered) {
            out.end = -1;
            return out;
        }
        WalkPlan::Step step = plan.take(response, version);
        out.fellBack = out.fellBack || step.bulkFailed;
        EXPECT_EQ(step.rows.size(), step.suffixes.size());
        for (std::size_t i = 0; i < step.rows.size(); ++i) {
            out.rows.push_back(step.rows[i]);
            out.suffixes.push_back(step.suffixes[i]);
        }
        if (step.end != 1) {
            out.end = step.end;
            return out;
        }
    }
    ADD_FAILURE() << "the walk did not end";
    return out;
}

// The adapter's get-next walk as the session drives it today.
Walked runTable(const std::vector<std::string>& columns, const std::shared_ptr<MemoryAgent>& agent, int version)
{
    setTransport(agent);
    std::unique_ptr<CSnmp> request;
    if (version == 1) {
        auto v1 = std::make_unique<CSnmpV1>(PduType::GetNext);
        v1->setCommunity("tundra");
        request = std::move(v1);
    } else {
        auto v3 = std::make_unique<CSnmpV3>(PduType::GetNext);
        v3->setUserName("ops");
        request = std::move(v3);
    }
    for (const auto& c : columns)
        request->addValue(c, Syntax::Null, "");
    CSnmpTable table(request.get());
    Walked out;
    for (;;) {
        std::unique_ptr<CSnmp> answer;
        ++out.requests;
        out.end = table.getNext("192.0.2.1", answer, 200);
        if (out.end != 0 || answer->bindings().empty())
            break;
        out.rows.push_back(answer->bindings());
        std::vector<std::string> suffixes(answer->bindings().size());
        for (std::size_t i = 0; i < suffixes.size(); ++i)
            table.getSuffix(int(i), answer.get(), suffixes[i]);
        out.suffixes.push_back(suffixes);
    }
    setTransport(nullptr);
    return out;
}

struct Case {
    const char* name;
    std::vector<int> rows;   // rows per column of the table
    std::vector<int> walked; // the columns walked, in request order
    bool trailer;            // an object after the table (else endOfMibView)
    std::function<void(MemoryAgent&)> shape = {};
    bool expectFallback = false;
};

MemoryAgent::Fault valueLimit(int n)
{
    MemoryAgent::Fault f;
    f.valueLimit = n;
    return f;
}

std::vector<Case> cases()
{
    return {
        {"table ends inside an answer", {30}, {1}, true},
        {"table ends the MIB", {30}, {1}, false},
        {"exactly one answer of rows", {25}, {1}, true},
        {"empty column", {0, 5}, {1}, true},
        {"second column shorter: walks on past its subtree", {40, 3, 7}, {1, 2}, true},
        {"first column shorter: ends with it", {3, 40}, {1, 2}, true},
        {"columns out of table order", {12, 20, 4}, {3, 1}, false},
        {"third column meets the end of the MIB", {10, 12, 2}, {1, 2, 3}, false},
        {"agent returns fewer rows than asked, partial row last", {60, 60}, {1, 2}, true,
         [](MemoryAgent& a) { a.setDefaultFault(valueLimit(7)); }},
        {"answer cut to fit a size", {100}, {1}, true,
         [](MemoryAgent& a) { a.setAnswerLimit(300, MemoryAgent::Overflow::Truncate); }},
        {"tooBig until the repetitions fit", {100, 100}, {1, 2}, true,
         [](MemoryAgent& a) { a.setAnswerLimit(500, MemoryAgent::Overflow::TooBig); }},
        {"GetBulk refused with genErr", {30}, {1}, true,
         [](MemoryAgent& a) { a.setBulk(MemoryAgent::Bulk::Refuse); }, true},
        {"GetBulk refused with noSuchName", {30}, {1}, false,
         [](MemoryAgent& a) { a.setBulk(MemoryAgent::Bulk::Refuse, ErrorStatus::NoSuchName); }, true},
        {"GetBulk ignored", {30}, {1}, true, [](MemoryAgent& a) { a.setBulk(MemoryAgent::Bulk::Ignore); }, true},
        {"second GetBulk answered with nothing", {60}, {1}, true,
         [](MemoryAgent& a) { a.setRequestFault(2, valueLimit(0)); }, true},
    };
}

TEST(WalkPlanTest, BulkWalkDeliversTheRowsOfTheGetNextWalk)
{
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> columns;
        for (int w : c.walked)
            columns.push_back(column(w));
        auto plain = std::make_shared<MemoryAgent>();
        loadTable(*plain, c.rows, c.trailer);
        MemoryAgent shaped;
        loadTable(shaped, c.rows, c.trailer);
        if (c.shape)
            c.shape(shaped);

        const Walked today = runTable(columns, plain, 3);
        WalkPlan getNext(columns, false);
        const Walked next = run(getNext, *plain, 3);
        WalkPlan bulkPlan(columns, true);
        const Walked bulk = run(bulkPlan, shaped, 3, 50);

        EXPECT_EQ(next.rows, today.rows);
        EXPECT_EQ(next.suffixes, today.suffixes);
        EXPECT_EQ(next.end, -2);
        EXPECT_EQ(bulk.rows, next.rows);
        EXPECT_EQ(bulk.suffixes, next.suffixes);
        EXPECT_EQ(bulk.end, next.end);
        EXPECT_EQ(bulk.fellBack, c.expectFallback);
        EXPECT_EQ(bulkPlan.usesBulk(), !c.expectFallback);
        EXPECT_FALSE(shaped.requestsOfType(PduType::GetBulk).empty());
        if (!c.shape && next.rows.size() > 30) {
            EXPECT_LT(bulk.requests * 3, next.requests) << "bulk saved few round trips";
        }
        // Every row lies within the walk: column 0 of each row below its root.
        for (const auto& row : bulk.rows)
            EXPECT_TRUE(row[0].oid.rfind(columns[0] + ".", 0) == 0) << row[0].oid;
    }
}

TEST(WalkPlanTest, GetNextPlanMatchesTheVersion1Walk)
{
    // Version 1 ends with noSuchName at the end of the MIB.
    for (bool trailer : {true, false}) {
        auto agent = std::make_shared<MemoryAgent>();
        loadTable(*agent, {8, 8}, trailer);
        const std::vector<std::string> columns{column(1), column(2)};
        const Walked today = runTable(columns, agent, 1);
        WalkPlan plan(columns, false);
        const Walked walked = run(plan, *agent, 1);
        EXPECT_EQ(walked.rows, today.rows);
        EXPECT_EQ(walked.suffixes, today.suffixes);
        EXPECT_EQ(walked.rows.size(), 8u);
        EXPECT_EQ(walked.end, -2);
        EXPECT_EQ(walked.suffixes[4][0], ".0.27.0.5");
        EXPECT_TRUE(agent->requestsOfType(PduType::GetBulk).empty());
    }
}

TEST(WalkPlanTest, RepetitionsStartAt25ShrinkOnTooBigAndFitTheBudget)
{
    MemoryAgent agent;
    loadTable(agent, {400}, true);
    WalkPlan plan({column(1)}, true);
    EXPECT_EQ(plan.maxRepetitions(), 25);
    const SnmpPdu first = plan.nextRequest();
    EXPECT_EQ(first.type, PduType::GetBulk);
    EXPECT_EQ(first.nonRepeaters, 0);
    EXPECT_EQ(first.maxRepetitions, 25);

    SnmpPdu tooBig;
    tooBig.errorStatus = ErrorStatus::TooBig;
    WalkPlan::Step step = plan.take(tooBig, 3);
    EXPECT_EQ(step.end, 1);
    EXPECT_TRUE(step.rows.empty());
    EXPECT_FALSE(step.bulkFailed);
    EXPECT_EQ(plan.maxRepetitions(), 12);
    EXPECT_EQ(plan.nextRequest().binds, first.binds) << "asks again from the same place";

    // Large rows: the next request asks for as many as fit the budget, never more than the ceiling.
    for (int r = 1; r <= 400; ++r)
        agent.setOctets(column(1) + ".0.27.0." + std::to_string(r), std::string(200, 'v'));
    SnmpPdu response;
    agent.exchange(targetOf(3), plan.nextRequest(), response, 100, makeCancelToken());
    step = plan.take(response, 3);
    EXPECT_EQ(step.rows.size(), 12u);
    const int fit = int(WalkPlan::kAnswerBudget / step.rows[0][0].encodedSize());
    EXPECT_EQ(plan.maxRepetitions(), fit);

    // tooBig at one repetition: GetBulk cannot help, get-next takes over.
    WalkPlan single({column(1)}, true);
    for (int i = 0; i < 5; ++i)
        step = single.take(tooBig, 3);
    EXPECT_EQ(single.maxRepetitions(), 1);
    EXPECT_TRUE(step.bulkFailed);
    EXPECT_FALSE(single.usesBulk());
    EXPECT_EQ(single.nextRequest().type, PduType::GetNext);
}

TEST(WalkPlanTest, MisorderedBulkAnswerFallsBackAfterTheLastGoodRow)
{
    WalkPlan plan({column(1), column(2)}, true);
    SnmpPdu response;
    response.binds = {VarBind::integer(column(1) + ".1", 1), VarBind::integer(column(2) + ".1", 1),
                      VarBind::integer(column(1) + ".2", 2), VarBind::integer(column(2) + ".1", 1)};
    const WalkPlan::Step step = plan.take(response, 3);
    ASSERT_EQ(step.rows.size(), 1u);
    EXPECT_TRUE(step.bulkFailed);
    EXPECT_EQ(step.end, 1);
    const SnmpPdu next = plan.nextRequest();
    EXPECT_EQ(next.type, PduType::GetNext);
    EXPECT_EQ(next.binds[0].oid, column(1) + ".1");
    EXPECT_EQ(next.binds[1].oid, column(2) + ".1");
}

TEST(WalkPlanTest, BulkSwitchAndVersion1Refusal)
{
    unsetenv("SORVEX_NO_BULK");
    EXPECT_TRUE(bulkWalksEnabled());
    setenv("SORVEX_NO_BULK", "1", 1);
    EXPECT_FALSE(bulkWalksEnabled());
    setenv("SORVEX_NO_BULK", "0", 1);
    EXPECT_TRUE(bulkWalksEnabled());
    unsetenv("SORVEX_NO_BULK");

    MemoryAgent agent;
    loadTable(agent, {5}, true);
    SnmpPdu response;
    EXPECT_EQ(agent.exchange(targetOf(1), WalkPlan({column(1)}, true).nextRequest(), response, 100, makeCancelToken()),
              ExchangeStatus::SendFailed);
    EXPECT_EQ(agent.requestCount(), 0);
}

} // namespace

namespace {

// The plan's budget rests on this: sizes as BER encodes them, lengths and arcs of several bytes.
TEST(WalkPlanTest, EncodedSizeOfBindings)
{
    const struct {
        VarBind vb;
        std::size_t size;
    } cases[] = {
        {VarBind::null("1.3.6.1.2.1.1.5.0"), 14},
        {VarBind::integer("1.3.6.1", 127), 10},
        {VarBind::integer("1.3.6.1", 128), 11},
        {VarBind::integer("1.3.6.1", -129), 11},
        {VarBind::unsignedValue("1.3.6.1", Ber::Counter32, 4294967295u), 14},
        {VarBind::octets("1.3.6.1", std::string(200, 'x')), 211},
        {VarBind::null("1.3.200"), 9},
        {{"1.3.6.1", Ber::EndOfMibView, 0, {}}, 9},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.vb.encodedSize(), c.size) << c.vb.oid << " tag " << c.vb.tag;
}

} // namespace
