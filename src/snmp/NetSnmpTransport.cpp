#include "NetSnmpTransport.h"

#include "Oid.h"
#include "PeerAddress.h"
#include "Trace.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/library/snmpusm.h>
#include <net-snmp/library/lcd_time.h>

#include <chrono>
#include <cstring>
#include <poll.h>

namespace snmp {

namespace {

// Guards every net-snmp call that touches the library's global state.
std::mutex g_lib;

using Clock = std::chrono::steady_clock;

int logHandler(netsnmp_log_handler*, int, const char* message)
{
    std::string line = message ? message : "";
    while (!line.empty() && line.back() == '\n')
        line.pop_back();
    trace("net-snmp: " + line);
    return 1;
}

std::string credentialKey(const SnmpTarget& t)
{
    std::string key = t.address + '\x1f' + std::to_string(t.version);
    if (t.version == 1)
        return key + '\x1f' + t.community;
    return key + '\x1f' + t.userName + '\x1f' + std::to_string(t.msgFlags) + '\x1f' + std::to_string(t.authArith) +
           '\x1f' + t.authPassword + '\x1f' + std::to_string(t.privArith) + '\x1f' + t.privPassword;
}

int securityLevel(int msgFlags)
{
    switch (msgFlags & 3) {
    case 1: return SNMP_SEC_LEVEL_AUTHNOPRIV;
    case 3: return SNMP_SEC_LEVEL_AUTHPRIV;
    default: return SNMP_SEC_LEVEL_NOAUTH;
    }
}

int commandOf(PduType pduType)
{
    switch (pduType) {
    case PduType::GetNext: return SNMP_MSG_GETNEXT;
    case PduType::Set: return SNMP_MSG_SET;
    case PduType::GetBulk: return SNMP_MSG_GETBULK;
    default: return SNMP_MSG_GET;
    }
}

// Our binding -> net-snmp's. False when it cannot be encoded.
bool addVariable(netsnmp_pdu* pdu, const VarBind& vb)
{
    auto arcs = oid::parse(vb.oid);
    if (!arcs)
        return false;
    std::vector<::oid> name(arcs->begin(), arcs->end());
    u_char type = static_cast<u_char>(vb.tag);
    switch (vb.tag) {
    case Ber::Null:
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_NULL, nullptr, 0) != nullptr;
    case Ber::Integer: {
        long v = static_cast<long>(vb.number);
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), type, &v, sizeof v) != nullptr;
    }
    case Ber::Counter32:
    case Ber::Gauge32:
    case Ber::TimeTicks: {
        u_long v = static_cast<u_long>(static_cast<uint32_t>(vb.number));
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), type, &v, sizeof v) != nullptr;
    }
    case Ber::IpAddress:
        if (vb.bytes.size() != 4)
            return false;
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), type, vb.bytes.data(), 4) != nullptr;
    case Ber::OctetString:
    case Ber::Opaque:
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), type, vb.bytes.data(), vb.bytes.size()) != nullptr;
    case Ber::ObjectId: {
        auto value = oid::parse(vb.bytes);
        if (!value)
            return false;
        std::vector<::oid> v(value->begin(), value->end());
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), type, v.data(), v.size() * sizeof(::oid)) != nullptr;
    }
    default:
        return false;
    }
}

VarBind toVarBind(const netsnmp_variable_list* v)
{
    VarBind vb;
    std::vector<uint32_t> arcs;
    for (size_t i = 0; i < v->name_length; ++i)
        arcs.push_back(static_cast<uint32_t>(v->name[i]));
    vb.oid = oid::format(arcs);
    vb.tag = v->type;
    switch (v->type) {
    case ASN_INTEGER:
        vb.number = v->val.integer ? static_cast<int32_t>(*v->val.integer) : 0;
        break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
        vb.number = v->val.integer ? static_cast<int64_t>(static_cast<uint32_t>(*v->val.integer)) : 0;
        break;
    case ASN_COUNTER64:
        if (v->val.counter64)
            vb.number = static_cast<int64_t>((static_cast<uint64_t>(v->val.counter64->high) << 32) |
                                             static_cast<uint32_t>(v->val.counter64->low));
        break;
    case ASN_OCTET_STR:
    case ASN_OPAQUE:
    case ASN_IPADDRESS:
        if (v->val.string)
            vb.bytes.assign(reinterpret_cast<const char*>(v->val.string), v->val_len);
        break;
    case ASN_OBJECT_ID: {
        std::vector<uint32_t> value;
        for (size_t i = 0; v->val.objid && i < v->val_len / sizeof(::oid); ++i)
            value.push_back(static_cast<uint32_t>(v->val.objid[i]));
        vb.bytes = value.size() >= 2 ? oid::format(value) : std::string();
        break;
    }
    default:
        break;
    }
    return vb;
}

} // namespace

// One open net-snmp session and the exchange in progress on it.
struct NetSnmpTransport::Session {
    void* handle = nullptr;
    int activeReqId = 0;
    bool finished = false;
    bool answered = false;
    int command = 0;               // of the answer: a response or a report
    std::string securityEngineId;  // of the answer (engine discovery)
    SnmpPdu response;

    ~Session()
    {
        std::lock_guard lock(g_lib);
        activeReqId = 0; // closing calls back for requests still pending: ignore those
        finished = true;
        if (handle)
            snmp_sess_close(handle);
    }

    // Called by net-snmp from snmp_sess_read/snmp_sess_timeout, under g_lib.
    static int onAnswer(int op, netsnmp_session*, int reqid, netsnmp_pdu* pdu, void* magic)
    {
        auto* self = static_cast<Session*>(magic);
        if (reqid != self->activeReqId || self->finished)
            return 1; // a late or repeated answer to an earlier exchange
        // A resend or a security error is followed by the final call for the same request.
        if (op == NETSNMP_CALLBACK_OP_RESEND || op == NETSNMP_CALLBACK_OP_SEC_ERROR)
            return 1;
        self->finished = true;
        if (op == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE && pdu) {
            self->answered = true;
            self->command = pdu->command;
            self->securityEngineId.assign(reinterpret_cast<const char*>(pdu->securityEngineID),
                                          pdu->securityEngineID ? pdu->securityEngineIDLen : 0);
            self->response.type = PduType::Response;
            self->response.errorStatus = pdu->errstat;
            self->response.errorIndex = pdu->errindex;
            self->response.binds.clear();
            for (auto* v = pdu->variables; v; v = v->next_variable)
                self->response.binds.push_back(toVarBind(v));
        }
        return 1;
    }
};

void NetSnmpTransport::initLibrary(const char* appName)
{
    static std::once_flag once;
    std::call_once(once, [appName] {
        setenv("MIBS", "", 1);
        setenv("SNMPCONFPATH", "/nonexistent", 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_LOAD_HOST_FILES, 1);
        netsnmp_ds_set_int(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_MIB_WARNINGS, 0);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_QUICK_PRINT, 1);
        snmp_disable_log();
        if (netsnmp_log_handler* h = netsnmp_register_loghandler(NETSNMP_LOGHANDLER_CALLBACK, LOG_DEBUG))
            h->handler = logHandler;
        init_snmp(appName ? appName : "sorvex");
    });
}

NetSnmpTransport::NetSnmpTransport()
{
    initLibrary(nullptr);
}

NetSnmpTransport::~NetSnmpTransport()
{
    forgetSessions();
}

void NetSnmpTransport::forgetSessions()
{
    std::multimap<std::string, std::unique_ptr<Session>> sessions;
    std::lock_guard lock(m_poolMutex);
    sessions.swap(m_idle);
    m_engineIds.clear();
}

std::unique_ptr<NetSnmpTransport::Session> NetSnmpTransport::acquire(const SnmpTarget& t, const std::string& key,
                                                                     Clock::time_point deadline,
                                                                     const CancelToken& cancel)
{
    {
        std::lock_guard lock(m_poolMutex);
        auto it = m_idle.find(key);
        if (it != m_idle.end()) {
            auto s = std::move(it->second);
            m_idle.erase(it);
            return s;
        }
    }
    std::string problem;
    const auto address = PeerAddress::parse(t.address, problem);
    if (!address) {
        trace("net-snmp: cannot open a session for " + t.address + ": " + problem);
        return nullptr;
    }
    const auto numeric = address->resolve(deadline, cancel);
    if (!numeric) {
        trace("net-snmp: cannot open a session for " + t.address + ": the name does not resolve");
        return nullptr;
    }
    // Made before the library lock is taken: a session that fails to open is destroyed after the
    // lock is released, and its destructor takes that lock itself.
    auto s = std::make_unique<Session>();
    netsnmp_session in;
    std::lock_guard lock(g_lib);
    snmp_sess_init(&in);
    std::string peer = address->transportSpec(*numeric);
    in.peername = peer.data();
    in.retries = 0;
    in.timeout = 1000000;
    std::string community = t.community;
    std::string user = t.userName;
    if (t.version == 1) {
        in.version = SNMP_VERSION_1;
        in.community = reinterpret_cast<u_char*>(community.data());
        in.community_len = community.size();
    } else {
        in.version = SNMP_VERSION_3;
        // We discover the engine ourselves, with a wait that can be cut short.
        in.flags |= SNMP_FLAGS_DONT_PROBE;
        in.securityName = user.data();
        in.securityNameLen = user.size();
        in.securityModel = SNMP_SEC_MODEL_USM;
        in.securityLevel = securityLevel(t.msgFlags);
        if (in.securityLevel != SNMP_SEC_LEVEL_NOAUTH) {
            const ::oid* proto = t.authArith == 1 ? usmHMACSHA1AuthProtocol : usmHMACMD5AuthProtocol;
            in.securityAuthProto = const_cast<::oid*>(proto);
            in.securityAuthProtoLen = USM_AUTH_PROTO_MD5_LEN;
            in.securityAuthKeyLen = USM_AUTH_KU_LEN;
            if (generate_Ku(in.securityAuthProto, static_cast<u_int>(in.securityAuthProtoLen),
                            reinterpret_cast<const u_char*>(t.authPassword.data()), t.authPassword.size(),
                            in.securityAuthKey, &in.securityAuthKeyLen) != SNMPERR_SUCCESS) {
                trace("net-snmp: cannot derive the authentication key");
                return nullptr;
            }
        }
        if (in.securityLevel == SNMP_SEC_LEVEL_AUTHPRIV) {
            in.securityPrivProto = const_cast<::oid*>(usmDESPrivProtocol);
            in.securityPrivProtoLen = USM_PRIV_PROTO_DES_LEN;
            in.securityPrivKeyLen = USM_PRIV_KU_LEN;
            if (generate_Ku(in.securityAuthProto, static_cast<u_int>(in.securityAuthProtoLen),
                            reinterpret_cast<const u_char*>(t.privPassword.data()), t.privPassword.size(),
                            in.securityPrivKey, &in.securityPrivKeyLen) != SNMPERR_SUCCESS) {
                trace("net-snmp: cannot derive the privacy key");
                return nullptr;
            }
        }
    }
    in.callback = &Session::onAnswer;
    in.callback_magic = s.get();
    s->handle = snmp_sess_open(&in);
    if (!s->handle) {
        trace("net-snmp: cannot open a session for " + t.address);
        return nullptr;
    }
    // net-snmp clears the flag once the session is open; its own engine probe on the first send
    // would then wait the whole time-out under the library lock, deaf to the cancel token.
    snmp_sess_session(s->handle)->flags |= SNMP_FLAGS_DONT_PROBE;
    return s;
}

void NetSnmpTransport::release(std::unique_ptr<Session> session, const std::string& key)
{
    std::lock_guard lock(m_poolMutex);
    m_idle.emplace(key, std::move(session));
}

namespace {

enum class Wait { Answer, TimedOut, Cancelled, SendFailed };

} // namespace

// Sends `pdu` (consumed) on the session and waits for its answer until `deadline`.
static Wait sendAndWaitImpl(NetSnmpTransport::Session& s, netsnmp_pdu* pdu, Clock::time_point deadline,
                     const CancelToken& cancel, long timeoutUs)
{
    int sock = -1;
    {
        std::lock_guard lock(g_lib);
        s.finished = false;
        s.answered = false;
        snmp_sess_session(s.handle)->timeout = timeoutUs;
        s.activeReqId = pdu->reqid;
        if (snmp_sess_send(s.handle, pdu) == 0) {
            int libErrno = 0, sysErrno = 0;
            char* text = nullptr;
            snmp_sess_error(s.handle, &libErrno, &sysErrno, &text);
            trace(std::string("net-snmp: send failed: ") + (text ? text : "?"));
            free(text);
            snmp_free_pdu(pdu);
            s.finished = true;
            return Wait::SendFailed;
        }
        if (netsnmp_transport* tr = snmp_sess_transport(s.handle))
            sock = tr->sock;
    }
    const int cancelFd = cancel ? cancel->fd() : -1;
    for (;;) {
        if (cancel && cancel->cancelled())
            return Wait::Cancelled;
        const auto now = Clock::now();
        if (now >= deadline)
            break;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now).count();
        pollfd fds[2] = {{sock, POLLIN, 0}, {cancelFd, POLLIN, 0}};
        const int n = ::poll(fds, cancelFd >= 0 ? 2 : 1, static_cast<int>(std::min<long long>(left + 1, 50)));
        if (n <= 0 || !(fds[0].revents & POLLIN))
            continue;
        std::lock_guard lock(g_lib);
        fd_set set;
        FD_ZERO(&set);
        FD_SET(sock, &set);
        snmp_sess_read(s.handle, &set);
        if (s.finished)
            return s.answered ? Wait::Answer : Wait::TimedOut;
    }
    std::lock_guard lock(g_lib);
    // Let net-snmp drop the request it still holds, so the pooled session stays clean.
    snmp_sess_timeout(s.handle);
    s.finished = true;
    return Wait::TimedOut;
}

bool NetSnmpTransport::discoverEngine(Session& s, int timeoutMs, const CancelToken& cancel, std::string& engineId)
{
    netsnmp_pdu* probe = nullptr;
    {
        std::lock_guard lock(g_lib);
        probe = snmp_pdu_create(SNMP_MSG_GET);
        probe->version = SNMP_VERSION_3;
        probe->securityName = strdup("");
        probe->securityNameLen = 0;
        probe->securityLevel = SNMP_SEC_LEVEL_NOAUTH;
        probe->securityModel = SNMP_SEC_MODEL_USM;
        if (!usm_get_user(nullptr, 0, probe->securityName)) {
            auto* user = static_cast<struct usmUser*>(calloc(1, sizeof(struct usmUser)));
            user->name = strdup("");
            user->secName = strdup("");
            user->authProtocolLen = USM_AUTH_PROTO_NOAUTH_LEN;
            user->authProtocol = snmp_duplicate_objid(usmNoAuthProtocol, user->authProtocolLen);
            user->privProtocolLen = USM_PRIV_PROTO_NOPRIV_LEN;
            user->privProtocol = snmp_duplicate_objid(usmNoPrivProtocol, user->privProtocolLen);
            usm_add_user(user);
        }
    }
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    if (sendAndWaitImpl(s, probe, deadline, cancel, timeoutMs * 1000L) != Wait::Answer)
        return false;
    std::lock_guard lock(g_lib);
    if (s.securityEngineId.empty())
        return false;
    engineId = s.securityEngineId;
    return true;
}

ExchangeStatus NetSnmpTransport::exchange(const SnmpTarget& target, const SnmpPdu& request, SnmpPdu& response,
                                          int timeoutMs, const CancelToken& cancel)
{
    if (timeoutMs <= 0)
        timeoutMs = 1;
    // Version 1 has no GetBulk: an agent would drop it unanswered.
    if (request.type == PduType::GetBulk && target.version == 1) {
        trace("net-snmp: GetBulk refused for version 1");
        return ExchangeStatus::SendFailed;
    }
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    const std::string key = credentialKey(target);
    std::unique_ptr<Session> s = acquire(target, key, deadline, cancel);
    if (!s)
        return cancel && cancel->cancelled() ? ExchangeStatus::Cancelled : ExchangeStatus::SendFailed;

    if (target.version == 3) {
        netsnmp_session* ss = nullptr;
        {
            std::lock_guard lock(g_lib);
            ss = snmp_sess_session(s->handle);
        }
        if (ss->securityEngineIDLen == 0) {
            std::string engineId;
            {
                std::lock_guard lock(m_poolMutex);
                if (auto it = m_engineIds.find(target.address); it != m_engineIds.end())
                    engineId = it->second;
            }
            if (engineId.empty()) {
                if (!discoverEngine(*s, timeoutMs, cancel, engineId)) {
                    if (cancel && cancel->cancelled())
                        return ExchangeStatus::Cancelled;
                    return ExchangeStatus::NoAnswer;
                }
                std::lock_guard lock(m_poolMutex);
                m_engineIds[target.address] = engineId;
            }
            std::lock_guard lock(g_lib);
            ss->securityEngineID = static_cast<u_char*>(netsnmp_memdup(engineId.data(), engineId.size()));
            ss->securityEngineIDLen = engineId.size();
            // Localises the keys for this engine and enters the user in net-snmp's list.
            if (usm_create_user_from_session(ss) != SNMPERR_SUCCESS)
                return ExchangeStatus::SendFailed;
        }
    }

    netsnmp_pdu* pdu = nullptr;
    {
        std::lock_guard lock(g_lib);
        pdu = snmp_pdu_create(commandOf(request.type));
        if (request.type == PduType::GetBulk) {
            // net-snmp keeps the two counts in the error fields of the PDU.
            pdu->non_repeaters = std::max(0L, request.nonRepeaters);
            pdu->max_repetitions = std::max(0L, request.maxRepetitions);
        }
        for (const auto& vb : request.binds) {
            if (!addVariable(pdu, vb)) {
                snmp_free_pdu(pdu);
                return ExchangeStatus::SendFailed;
            }
        }
    }
    const long leftUs =
        std::max<long>(1000, std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now()).count());
    const Wait w = sendAndWaitImpl(*s, pdu, deadline, cancel, leftUs);
    ExchangeStatus result = ExchangeStatus::NoAnswer;
    bool report = false;
    if (w == Wait::Cancelled) {
        result = ExchangeStatus::Cancelled;
    } else if (w == Wait::SendFailed) {
        result = ExchangeStatus::SendFailed;
    } else if (w == Wait::Answer) {
        // A report (unknown user, wrong key, unknown engine ...) is no answer to our request.
        report = s->command == SNMP_MSG_REPORT;
        response = std::move(s->response);
        result = report ? ExchangeStatus::Refused : ExchangeStatus::Answered;
    }
    if (report) {
        // The session is dropped and the engine discovered again next time, in case the address
        // now answers with another engine.
        trace("net-snmp: the agent answered with a report");
        std::lock_guard pool(m_poolMutex);
        m_engineIds.erase(target.address);
    } else if (result != ExchangeStatus::Cancelled) {
        release(std::move(s), key);
    }
    return result;
}

void NetSnmpTransport::forgetCredentials()
{
    forgetSessions();
    std::lock_guard lock(g_lib);
    for (struct usmUser* u = usm_get_userList(); u;) {
        struct usmUser* next = u->next;
        if (u->engineIDLen > 0)
            usm_free_user(usm_remove_user(u));
        u = next;
    }
    free_etimelist();
}

} // namespace snmp
