#pragma once
// Sessions against the in-memory agent, with launch parameters set per test.

#include "CCommonSNMP.h"
#include "LaunchParams.h"
#include "MemoryAgent.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

// Collects callbacks the way a page would: TakeRequest first, then the answer.
struct CallbackLog {
    struct Entry {
        int requestId;
        int status;
        bool taken;
        std::vector<snmp::VarBind> binds;
    };
    explicit CallbackLog(CCommonSNMP* s) : session(s) {}

    CCommonSNMP* session;
    std::mutex mutex;
    std::condition_variable cv;
    std::vector<Entry> entries;

    static unsigned callback(std::unique_ptr<CSnmp> answer, int requestId, void* owner, int status)
    {
        auto* self = static_cast<CallbackLog*>(owner);
        const bool taken = self->session->TakeRequest(requestId);
        Entry e{requestId, status, taken, answer ? answer->bindings() : std::vector<snmp::VarBind>{}};
        self->session->SignalDone();
        std::lock_guard lock(self->mutex);
        self->entries.push_back(std::move(e));
        self->cv.notify_all();
        return 0;
    }

    bool waitFor(size_t count, std::chrono::milliseconds limit = std::chrono::milliseconds(5000))
    {
        std::unique_lock lock(mutex);
        return cv.wait_for(lock, limit, [&] { return entries.size() >= count; });
    }
    size_t count()
    {
        std::lock_guard lock(mutex);
        return entries.size();
    }
};

// A walk driven from its callback, as the pages drive theirs: each answer is one row, and the
// next request goes out on the same session until the walk ends.
struct CallbackWalker {
    CCommonSNMP session;
    std::mutex mutex;
    std::condition_variable cv;
    std::vector<snmp::VarBind> rows;     // binding 0 of each row
    std::vector<std::string> suffixes;   // its index suffix
    int endStatus = 0;
    bool ended = false;

    // Walks `column`; the status that ended the walk (99 when it did not end in time).
    int walk(const std::string& column)
    {
        session.walk(
            {column},
            [this](snmp::Reply row) {
                std::lock_guard lock(mutex);
                suffixes.push_back(row.suffixes[0]);
                rows.push_back(row.values[0]);
                return true;
            },
            [this](int status) {
                std::lock_guard lock(mutex);
                endStatus = status;
                ended = true;
                cv.notify_all();
            });
        std::unique_lock lock(mutex);
        cv.wait_for(lock, std::chrono::seconds(20), [&] { return ended; });
        return ended ? endStatus : 99;
    }
};

class SessionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        agent = std::make_shared<snmp::MemoryAgent>();
        snmp::setTransport(agent);
        useVersion1();
    }
    void TearDown() override { snmp::setTransport(nullptr); }

    void useVersion1() { LaunchParams::setCurrent(LaunchParams::parse("/A1/I192.0.2.1/Rtundra/Wlantern/ETRUE/V1/P161")); }
    void useLaunchLine(const std::string& line) { LaunchParams::setCurrent(LaunchParams::parse(line)); }

    std::shared_ptr<snmp::MemoryAgent> agent;
};
