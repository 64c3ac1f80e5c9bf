#pragma once
// Faults on demand for reliability tests: late answers, lost requests, error answers.

#include "MibStore.h"
#include "SimOptions.h"

#include <map>
#include <string>

namespace sim {

class FaultInjector {
public:
    FaultInjector(int delayMs, int dropEvery, const std::map<std::string, long>& errors,
                  BulkAnswer bulk = BulkAnswer::Normal);

    int delayMs() const { return m_delayMs; }
    BulkAnswer bulk() const { return m_bulk; }
    // Counts an incoming request; true when it is to go unanswered.
    bool dropNext();
    // The error-status forced on `oid`, 0 when none.
    long errorFor(const Oid& oid) const;

private:
    int m_delayMs;
    int m_dropEvery;
    BulkAnswer m_bulk;
    unsigned long m_requests = 0;
    std::map<Oid, long> m_errors;
};

} // namespace sim
