// Walks of a version-3 session ask with GetBulk and hand on the rows a get-next walk would, also
// when the agent refuses, ignores or cuts its answers; the session then walks with get-next.

#include "SessionFixture.h"

#include <cstdlib>

using namespace snmp;

namespace {

const std::string kV3 = "/A1/I192.0.2.1/R/W/ETRUE/V3/P161/X/Y/T1/S1/Uops";
const std::string ifDescr = "1.3.6.1.2.1.2.2.1.2";
const std::string ifOper = "1.3.6.1.2.1.2.2.1.8";

struct Walked {
    int end = 99;
    std::vector<std::vector<VarBind>> rows;
    std::vector<std::vector<std::string>> suffixes;
    bool operator==(const Walked&) const = default;
};

Walked walk(CCommonSNMP& session, const std::vector<std::string>& columns, int timeoutMs = 0,
            std::size_t stopAfter = 0)
{
    Walked w;
    w.end = session.walkAndWait(
        columns,
        [&](Reply row) {
            w.rows.push_back(row.values);
            w.suffixes.push_back(row.suffixes);
            return stopAfter == 0 || w.rows.size() < stopAfter;
        },
        {timeoutMs});
    return w;
}

class SessionBulk : public SessionTest {
protected:
    void SetUp() override
    {
        SessionTest::SetUp();
        // Two columns of different lengths, the shorter one first, and objects beyond them.
        for (int i = 1; i <= 60; ++i)
            agent->setOctets(ifDescr + "." + std::to_string(i), "port " + std::to_string(i));
        for (int i = 1; i <= 70; ++i)
            agent->setInteger(ifOper + "." + std::to_string(i), i % 2 + 1);
        agent->setInteger("1.3.6.1.2.1.2.2.1.9.1", 0);
    }
    void TearDown() override
    {
        unsetenv("SORVEX_NO_BULK");
        SessionTest::TearDown();
    }
    // The same walk as version 1 asks it, one get-next a row.
    Walked reference(const std::vector<std::string>& columns, std::size_t stopAfter = 0)
    {
        useVersion1();
        CCommonSNMP session;
        Walked w = walk(session, columns, 0, stopAfter);
        useLaunchLine(kV3);
        agent->clearRequests();
        return w;
    }
    std::size_t count(PduType type) { return agent->requestsOfType(type).size(); }
};

TEST_F(SessionBulk, RowsEqualTheGetNextWalkWhateverTheAgentDoesWithGetBulk)
{
    struct Case {
        const char* name;
        std::vector<std::string> columns;
        std::function<void(MemoryAgent&)> agentDoes;
        bool bulkStays; // the session still asks with GetBulk afterwards
    };
    const Case cases[] = {
        {"one column ending mid-answer", {ifDescr}, [](MemoryAgent&) {}, true},
        {"columns of different lengths", {ifDescr, ifOper}, [](MemoryAgent&) {}, true},
        {"columns in reverse order", {ifOper, ifDescr}, [](MemoryAgent&) {}, true},
        {"answers cut short mid-row", {ifDescr, ifOper},
         [](MemoryAgent& a) { a.setAnswerLimit(300, MemoryAgent::Overflow::Truncate); }, true},
        {"tooBig", {ifDescr}, [](MemoryAgent& a) { a.setAnswerLimit(300, MemoryAgent::Overflow::TooBig); }, true},
        {"GetBulk refused", {ifDescr, ifOper}, [](MemoryAgent& a) { a.setBulk(MemoryAgent::Bulk::Refuse); }, false},
        {"GetBulk ignored", {ifDescr}, [](MemoryAgent& a) { a.setBulk(MemoryAgent::Bulk::Ignore); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        agent->setBulk(MemoryAgent::Bulk::Answer);
        agent->setAnswerLimit(0);
        const Walked expected = reference(c.columns);
        ASSERT_EQ(expected.end, -2);
        c.agentDoes(*agent);
        CCommonSNMP session;
        EXPECT_EQ(walk(session, c.columns, 300), expected);
        EXPECT_GE(count(PduType::GetBulk), 1u);
        if (c.bulkStays) {
            EXPECT_LT(count(PduType::GetBulk) + count(PduType::GetNext), expected.rows.size() / 3);
        }

        agent->clearRequests();
        EXPECT_EQ(walk(session, c.columns, 300), expected) << "the second walk";
        EXPECT_EQ(count(PduType::GetBulk) > 0, c.bulkStays);
    }
}

TEST_F(SessionBulk, AHandlerThatStopsEndsTheRequestsAndVersion1AndTheSwitchNeverAskInBulk)
{
    const Walked expected = reference({ifDescr}, 3);
    CCommonSNMP session;
    const Walked got = walk(session, {ifDescr}, 0, 3);
    EXPECT_EQ(got.rows, expected.rows);
    EXPECT_EQ(got.end, 0);
    EXPECT_EQ(count(PduType::GetBulk), 1u);
    EXPECT_EQ(count(PduType::GetNext), 0u);

    for (const bool switchedOff : {false, true}) {
        SCOPED_TRACE(switchedOff ? "SORVEX_NO_BULK=1 on version 3" : "version 1");
        if (switchedOff) {
            setenv("SORVEX_NO_BULK", "1", 1);
            useLaunchLine(kV3);
        } else {
            useVersion1();
        }
        agent->clearRequests();
        CCommonSNMP other;
        EXPECT_EQ(walk(other, {ifDescr}).rows.size(), 60u);
        EXPECT_EQ(count(PduType::GetBulk), 0u);
    }
}

} // namespace
