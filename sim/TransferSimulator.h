#pragma once
// TFTP transfers of firmware and configuration. Writing an operation starts a transfer: its
// status object reads 4 (not started), then 3 (running), then 1 (done) or 2 (failed).

#include "MibStore.h"

#include <functional>

namespace sim {

class TransferSimulator {
public:
    using Schedule = std::function<void(int delayMs, std::function<void()> action)>;

    TransferSimulator(MibStore& store, Schedule schedule, int stepMs, bool fail);

    static bool isOperation(const Oid& oid);
    void operationWritten(const Oid& operationOid);

private:
    void setStatus(const Oid& statusOid, unsigned generation, int status);

    MibStore& m_store;
    Schedule m_schedule;
    int m_stepMs;
    bool m_fail;
    unsigned m_firmwareGeneration = 0, m_configGeneration = 0; // a new transfer outdates the old steps
};

} // namespace sim
