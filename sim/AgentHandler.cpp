#include "AgentHandler.h"

#include "SimOids.h"

#include <vector>

namespace sim {

namespace Ber = snmp::Ber;
using snmp::VarBind;

namespace {

const oid kRoot[] = {1, 3, 6, 1};
// The IEEE 802.1AB LLDP MIB lies outside 1.3.6.1.
const oid kLldpRoot[] = {1, 0, 8802, 1, 1, 2};
constexpr size_t kRememberedTransactions = 4096;
// The largest UDP payload, less room for the message header (community or version-3 security).
constexpr size_t kMaxDatagram = 65507;
constexpr size_t kMessageHeaderRoom = 512;

// An upper estimate of a binding's encoded size: its sequence, tag and length bytes, five bytes
// per arc at most, the value's bytes.
size_t encodedSizeBound(const netsnmp_variable_list* v)
{
    return 16 + 5 * v->name_length + v->val_len;
}

bool isBulk(const netsnmp_agent_request_info* reqinfo)
{
    return reqinfo->asp && reqinfo->asp->pdu && reqinfo->asp->pdu->command == SNMP_MSG_GETBULK;
}

Oid oidOf(const netsnmp_variable_list* vb)
{
    return Oid(vb->name, vb->name + vb->name_length);
}

// A binding of a set request as the store keeps it; tag 0 when the type is not one we keep.
VarBind toVarBind(const netsnmp_variable_list* vb)
{
    VarBind out;
    out.oid = toText(oidOf(vb));
    out.tag = vb->type;
    switch (vb->type) {
    case ASN_INTEGER:
        out.number = *vb->val.integer;
        break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
        out.number = static_cast<int64_t>(static_cast<uint32_t>(*vb->val.integer));
        break;
    case ASN_COUNTER64:
        out.number = static_cast<int64_t>((static_cast<uint64_t>(vb->val.counter64->high) << 32) | vb->val.counter64->low);
        break;
    case ASN_OCTET_STR:
    case ASN_OPAQUE:
    case ASN_IPADDRESS:
        out.bytes.assign(reinterpret_cast<const char*>(vb->val.string), vb->val_len);
        break;
    case ASN_OBJECT_ID:
        out.bytes = toText(Oid(vb->val.objid, vb->val.objid + vb->val_len / sizeof(oid)));
        break;
    case ASN_NULL:
        break;
    default:
        out.tag = 0;
    }
    return out;
}

void setValue(netsnmp_variable_list* target, const VarBind& value)
{
    switch (value.tag) {
    case Ber::Integer: {
        long v = static_cast<long>(value.number);
        snmp_set_var_typed_value(target, ASN_INTEGER, &v, sizeof v);
        break;
    }
    case Ber::Counter32:
    case Ber::Gauge32:
    case Ber::TimeTicks: {
        u_long v = static_cast<uint32_t>(value.number);
        snmp_set_var_typed_value(target, static_cast<u_char>(value.tag), &v, sizeof v);
        break;
    }
    case Ber::Counter64: {
        const auto v = static_cast<uint64_t>(value.number);
        counter64 c{static_cast<u_long>(v >> 32), static_cast<u_long>(v & 0xFFFFFFFFu)};
        snmp_set_var_typed_value(target, ASN_COUNTER64, &c, sizeof c);
        break;
    }
    case Ber::ObjectId: {
        const Oid arcs = toOid(value.bytes);
        std::vector<oid> v(arcs.begin(), arcs.end());
        snmp_set_var_typed_value(target, ASN_OBJECT_ID, v.data(), v.size() * sizeof(oid));
        break;
    }
    case Ber::Null:
        snmp_set_var_typed_value(target, ASN_NULL, nullptr, 0);
        break;
    default: // octet strings, Opaque, IpAddress
        snmp_set_var_typed_value(target, static_cast<u_char>(value.tag), value.bytes.data(), value.bytes.size());
    }
}

} // namespace

AgentHandler::AgentHandler(MibStore& store, SetEvaluator& evaluator, DeviceBehaviour& behaviour, FaultInjector& faults)
    : m_store(store), m_evaluator(evaluator), m_behaviour(behaviour), m_faults(faults)
{
}

bool AgentHandler::registerHandler()
{
    return registerRoot(kRoot, OID_LENGTH(kRoot)) && registerRoot(kLldpRoot, OID_LENGTH(kLldpRoot));
}

bool AgentHandler::registerRoot(const oid* root, size_t length)
{
    netsnmp_mib_handler* handler = netsnmp_create_handler("sorvex-sim", &AgentHandler::handle);
    if (!handler)
        return false;
    handler->myvoid = this;
    netsnmp_handler_registration* registration =
        netsnmp_handler_registration_create("sorvex-sim", handler, root, length, HANDLER_CAN_RWRITE);
    return registration && netsnmp_register_handler(registration) == MIB_REGISTERED_OK;
}

int AgentHandler::handle(netsnmp_mib_handler* handler, netsnmp_handler_registration* registration,
                         netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests)
{
    auto* self = static_cast<AgentHandler*>(handler->myvoid);
    const int mode = reqinfo->mode;
    if (isBulk(reqinfo) && self->m_faults.bulk() == BulkAnswer::Ignore) {
        // The answer still goes out, but under ids no client is waiting for: it is dropped there.
        reqinfo->asp->pdu->reqid = 0;
        reqinfo->asp->pdu->msgid = 0;
        self->process(mode, reqinfo, requests);
        return SNMP_ERR_NOERROR;
    }
    if (isBulk(reqinfo) && self->m_faults.bulk() == BulkAnswer::Refuse) {
        // In the first pass: an error set later, on the delegated get-bulk, never reaches the answer.
        for (auto* r = requests; r; r = r->next)
            netsnmp_set_request_error(reqinfo, r, SNMP_ERR_GENERR);
        return SNMP_ERR_NOERROR;
    }
    const bool firstPass = mode == MODE_GET || mode == MODE_GETNEXT || mode == MODE_SET_RESERVE1;
    if (self->m_faults.delayMs() > 0 && firstPass && self->delayOnce(reqinfo)) {
        self->delegate(handler, registration, reqinfo, requests);
        return SNMP_ERR_NOERROR;
    }
    self->process(mode, reqinfo, requests);
    return SNMP_ERR_NOERROR;
}

bool AgentHandler::delayOnce(netsnmp_agent_request_info* reqinfo)
{
    if (!reqinfo->asp || !reqinfo->asp->pdu)
        return true;
    const long transaction = reqinfo->asp->pdu->transid;
    if (!m_delayedTransactions.insert(transaction).second)
        return false;
    m_delayedOrder.push_back(transaction);
    if (m_delayedOrder.size() > kRememberedTransactions) {
        m_delayedTransactions.erase(m_delayedOrder.front());
        m_delayedOrder.pop_front();
    }
    return true;
}

void AgentHandler::delegate(netsnmp_mib_handler* handler, netsnmp_handler_registration* registration,
                            netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests)
{
    for (auto* r = requests; r; r = r->next)
        r->delegated = 1;
    netsnmp_delegated_cache* cache = netsnmp_create_delegated_cache(handler, registration, reqinfo, requests, this);
    const int ms = m_faults.delayMs();
    timeval delay{ms / 1000, (ms % 1000) * 1000};
    snmp_alarm_register_hr(delay, 0, &AgentHandler::delayExpired, cache);
}

void AgentHandler::delayExpired(unsigned int, void* clientArgument)
{
    // The cache is gone when the request was dropped meanwhile (its session closed).
    auto* delegated = static_cast<netsnmp_delegated_cache*>(clientArgument);
    netsnmp_delegated_cache* cache = netsnmp_handler_check_cache(delegated);
    if (!cache) {
        netsnmp_free_delegated_cache(delegated);
        return;
    }
    auto* self = static_cast<AgentHandler*>(cache->localinfo);
    netsnmp_agent_request_info* reqinfo = cache->reqinfo;
    const bool bulk = reqinfo->mode == MODE_GETBULK; // net-snmp restored the mode after our first call
    self->process(bulk ? MODE_GETNEXT : reqinfo->mode, reqinfo, cache->requests);
    if (bulk)
        netsnmp_bulk_to_next_fix_requests(cache->requests);
    for (auto* r = cache->requests; r; r = r->next)
        r->delegated = 0;
    netsnmp_free_delegated_cache(cache);
}

void AgentHandler::process(int mode, netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests)
{
    refreshClockObjects();
    switch (mode) {
    case MODE_GET:
        for (auto* r = requests; r; r = r->next)
            if (!r->processed)
                answerGet(reqinfo, r);
        refuseIfTooBig(reqinfo, requests);
        break;
    case MODE_GETNEXT:
        for (auto* r = requests; r; r = r->next)
            if (!r->processed)
                answerGetNext(reqinfo, r);
        refuseIfTooBig(reqinfo, requests);
        break;
    case MODE_SET_RESERVE1:
        checkSet(reqinfo, requests);
        break;
    case MODE_SET_COMMIT:
        commitSet(requests);
        break;
    default: // RESERVE2, ACTION, FREE, UNDO: everything happens at check and commit
        break;
    }
}

void AgentHandler::refuseIfTooBig(netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests)
{
    // The whole answer counts, with what other passes of a get-bulk have added to it.
    const netsnmp_variable_list* answer = reqinfo->asp && reqinfo->asp->pdu ? reqinfo->asp->pdu->variables : nullptr;
    size_t size = kMessageHeaderRoom;
    if (answer) {
        for (const auto* v = answer; v; v = v->next_variable)
            size += encodedSizeBound(v);
    } else {
        for (auto* r = requests; r; r = r->next)
            size += encodedSizeBound(r->requestvb);
    }
    // An answer that fits no datagram would be lost on the way out: say tooBig instead.
    if (size > kMaxDatagram && requests)
        netsnmp_set_request_error(reqinfo, requests, SNMP_ERR_TOOBIG);
}

void AgentHandler::answerGet(netsnmp_agent_request_info* reqinfo, netsnmp_request_info* request)
{
    const Oid name = oidOf(request->requestvb);
    if (long status = m_faults.errorFor(name)) {
        // A delegated get already had its binding marked noSuchInstance, which version 1 would
        // report as noSuchName instead of our error-status.
        snmp_set_var_typed_value(request->requestvb, ASN_NULL, nullptr, 0);
        netsnmp_set_request_error(reqinfo, request, static_cast<int>(status));
        return;
    }
    if (const VarBind* value = m_store.find(name)) {
        setValue(request->requestvb, *value);
        return;
    }
    // noSuchInstance when the object exists with other instances, else noSuchObject.
    Oid object = name;
    if (!object.empty())
        object.pop_back();
    Oid after;
    const bool objectKnown = !object.empty() && m_store.next(object, &after) && startsWith(after, object);
    netsnmp_set_request_error(reqinfo, request, objectKnown ? SNMP_NOSUCHINSTANCE : SNMP_NOSUCHOBJECT);
}

void AgentHandler::answerGetNext(netsnmp_agent_request_info* reqinfo, netsnmp_request_info* request)
{
    Oid found;
    const VarBind* value = m_store.next(oidOf(request->requestvb), &found);
    if (!value) {
        netsnmp_set_request_error(reqinfo, request, SNMP_ENDOFMIBVIEW);
        return;
    }
    std::vector<oid> arcs(found.begin(), found.end());
    snmp_set_var_objid(request->requestvb, arcs.data(), arcs.size());
    setValue(request->requestvb, *value);
    // The binding keeps its answer: an unanswered one would send net-snmp on to the next subtree.
    if (long status = m_faults.errorFor(found))
        netsnmp_set_request_error(reqinfo, request, static_cast<int>(status));
}

void AgentHandler::checkSet(netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests)
{
    std::vector<VarBind> binds;
    std::vector<netsnmp_request_info*> order;
    for (auto* r = requests; r; r = r->next) {
        if (long status = m_faults.errorFor(oidOf(r->requestvb))) {
            netsnmp_set_request_error(reqinfo, r, static_cast<int>(status));
            return;
        }
        binds.push_back(toVarBind(r->requestvb));
        order.push_back(r);
    }
    const SetVerdict verdict = m_evaluator.check(binds);
    if (!verdict.ok())
        netsnmp_set_request_error(reqinfo, order[verdict.errorIndex - 1], static_cast<int>(verdict.errorStatus));
}

void AgentHandler::commitSet(netsnmp_request_info* requests)
{
    std::vector<VarBind> binds;
    for (auto* r = requests; r; r = r->next)
        binds.push_back(toVarBind(r->requestvb));
    m_behaviour.written(m_evaluator.apply(binds));
}

void AgentHandler::refreshClockObjects()
{
    m_store.put(oids::sysUpTime, VarBind::unsignedValue({}, Ber::TimeTicks, static_cast<uint32_t>(netsnmp_get_agent_uptime())));
    u_char engineId[64];
    const size_t engineIdLength = snmpv3_get_engineID(engineId, sizeof engineId);
    m_store.put(concat(oids::snmpEngine, {1, 0}), VarBind::octets({}, std::string(reinterpret_cast<char*>(engineId), engineIdLength)));
    m_store.put(concat(oids::snmpEngine, {2, 0}), VarBind::integer({}, static_cast<long>(snmpv3_local_snmpEngineBoots())));
    m_store.put(concat(oids::snmpEngine, {3, 0}), VarBind::integer({}, static_cast<long>(snmpv3_local_snmpEngineTime())));
    m_store.put(concat(oids::snmpEngine, {4, 0}), VarBind::integer({}, 1500));
}

} // namespace sim
