#pragma once
// The transfer page's timers on a clock of the test's own: arming records the delay, and
// fireNext() moves the clock to the earliest armed timer and fires it, so minutes of a transfer
// pass in a blink. Timers due at the same moment fire in the order they were armed.

#include "TransferTimers.h"

#include <functional>
#include <map>
#include <vector>

class FakeTransferTimers final : public TransferTimers {
public:
    struct Arm {
        long long at; // the clock when it was armed
        Role role;
        int ms;
    };

    void start(Role role, int ms) override
    {
        m_due[role] = {m_now + ms, ++m_sequence};
        m_arms.push_back({m_now, role, ms});
    }
    void stop(Role role) override { m_due.erase(role); }

    bool anyArmed() const { return !m_due.empty(); }
    bool armed(Role role) const { return m_due.count(role) != 0; }
    long long now() const { return m_now; }

    // False when no timer is armed.
    bool fireNext()
    {
        if (m_due.empty())
            return false;
        auto next = m_due.begin();
        for (auto it = m_due.begin(); it != m_due.end(); ++it) {
            if (it->second < next->second)
                next = it;
        }
        const Role role = next->first;
        m_now = next->second.first;
        m_due.erase(next);
        if (beforeFire)
            beforeFire(role);
        fired(role);
        return true;
    }

    // The delays a role was armed with, in order.
    std::vector<int> delaysOf(Role role) const
    {
        std::vector<int> delays;
        for (const Arm& arm : m_arms) {
            if (arm.role == role)
                delays.push_back(arm.ms);
        }
        return delays;
    }
    const std::vector<Arm>& arms() const { return m_arms; }

    // Runs just before a timer fires (a test changes what the switch answers next).
    std::function<void(Role)> beforeFire;

private:
    long long m_now = 0;
    long long m_sequence = 0;
    std::map<Role, std::pair<long long, long long>> m_due; // due time, arming order
    std::vector<Arm> m_arms;
};
