#pragma once
// The one MIB handler of the simulator: serves get, get-next (and get-bulk through net-snmp's
// conversion) and set from the store for everything below 1.3.6.1. With a delay, each request
// is delegated and answered from an alarm, so a slow answer holds back no other request; a
// get-bulk is delayed once, not per repetition. GetBulk can be ignored or refused (--bulk).

#include "DeviceBehaviour.h"
#include "FaultInjector.h"
#include "MibStore.h"
#include "NetSnmp.h"
#include "SetEvaluator.h"

#include <deque>
#include <set>

namespace sim {

class AgentHandler {
public:
    AgentHandler(MibStore& store, SetEvaluator& evaluator, DeviceBehaviour& behaviour, FaultInjector& faults);
    AgentHandler(const AgentHandler&) = delete;
    AgentHandler& operator=(const AgentHandler&) = delete;

    bool registerHandler();

private:
    bool registerRoot(const oid* root, size_t length);
    static int handle(netsnmp_mib_handler* handler, netsnmp_handler_registration* registration,
                      netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests);
    static void delayExpired(unsigned int alarm, void* clientArgument);

    bool delayOnce(netsnmp_agent_request_info* reqinfo);
    void delegate(netsnmp_mib_handler* handler, netsnmp_handler_registration* registration,
                  netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests);
    void process(int mode, netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests);
    void answerGet(netsnmp_agent_request_info* reqinfo, netsnmp_request_info* request);
    void answerGetNext(netsnmp_agent_request_info* reqinfo, netsnmp_request_info* request);
    void refuseIfTooBig(netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests);
    void checkSet(netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests);
    void commitSet(netsnmp_request_info* requests);
    void refreshClockObjects();

    MibStore& m_store;
    SetEvaluator& m_evaluator;
    DeviceBehaviour& m_behaviour;
    FaultInjector& m_faults;
    // Requests already delayed: a get-bulk or a set passes the handler more than once.
    std::set<long> m_delayedTransactions;
    std::deque<long> m_delayedOrder;
};

} // namespace sim
