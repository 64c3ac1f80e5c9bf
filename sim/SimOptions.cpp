#include "SimOptions.h"

#include "Enterprise.h"
#include "Oid.h"

#include <arpa/inet.h>
#include <charconv>

namespace sim {

namespace {

bool parseInt(const std::string& text, int min, int max, int& out)
{
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size() && out >= min && out <= max;
}

// Only 127.0.0.0/8: the simulator must never be reachable from another machine.
bool isLoopbackV4(const std::string& host)
{
    in_addr address{};
    if (inet_pton(AF_INET, host.c_str(), &address) != 1)
        return false;
    return (ntohl(address.s_addr) >> 24) == 127;
}

const char* const kErrorNames[] = {"noError", "tooBig", "noSuchName", "badValue", "readOnly", "genErr", "noAccess",
                                   "wrongType", "wrongLength", "wrongEncoding", "wrongValue", "noCreation",
                                   "inconsistentValue", "resourceUnavailable", "commitFailed", "undoFailed",
                                   "authorizationError", "notWritable", "inconsistentName"};

} // namespace

long SimOptions::errorStatusFromText(const std::string& text)
{
    int number = 0;
    if (parseInt(text, 1, 18, number))
        return number;
    for (long i = 1; i < static_cast<long>(std::size(kErrorNames)); ++i)
        if (text == kErrorNames[i])
            return i;
    return -1;
}

std::string SimOptions::usage()
{
    return "usage: sorvex-sim [options]\n"
           "  --listen 127.0.0.1:PORT   loopback address to serve (default 127.0.0.1:16161)\n"
           "  --model NAME              \"SORVEX-A B1\" (default) or \"SORVEX-AP B1\"\n"
           "  --data FILE               .snmprec file loaded over the model's data (repeatable)\n"
           "  --data-dir DIR            folder of the seed data (default: beside the program)\n"
           "  --state-dir DIR           persistent folder of this instance (engine boots)\n"
           "  --engine-id HEX           SNMPv3 engine ID (default: fixed, derived from the port)\n"
           "  --live                    change link states every few seconds\n"
           "  --live-interval-ms N      time between link changes (default 3000)\n"
           "  --transfer-fail           TFTP transfers end with status 2 (failed)\n"
           "  --transfer-step-ms N      time in each transfer state (default 2000)\n"
           "  --delay-ms N              answer every request N ms late\n"
           "  --drop-every K            do not answer every K-th request\n"
           "  --bulk normal|ignore|refuse  answer GetBulk requests, leave them unanswered, or refuse them\n"
           "  --error OID=STATUS        answer requests for OID with that error-status (repeatable)\n"
           "  --fdb-entries N           rows of the forwarding table (default 36)\n"
           "  --vlans N                 fill the static VLAN table up to N VLANs (at most 4094)\n"
           "  --help                    this text\n"
           "  --version                 the program's version\n";
}

bool SimOptions::parse(const std::vector<std::string>& args, SimOptions& out, std::string& error)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::string& v) {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return false;
            }
            v = args[++i];
            return true;
        };
        auto number = [&](int min, int max, int& target) {
            std::string v;
            if (!value(v))
                return false;
            if (!parseInt(v, min, max, target)) {
                error = arg + ": \"" + v + "\" is not a number from " + std::to_string(min) + " to " + std::to_string(max);
                return false;
            }
            return true;
        };
        std::string v;
        if (arg == "--help" || arg == "-h") {
            out.help = true;
        } else if (arg == "--listen") {
            if (!value(v))
                return false;
            const auto colon = v.rfind(':');
            const std::string host = colon == std::string::npos ? v : v.substr(0, colon);
            if (colon != std::string::npos && !parseInt(v.substr(colon + 1), 1, 65535, out.listenPort)) {
                error = "--listen: bad port in \"" + v + "\"";
                return false;
            }
            out.listenHost = host == "localhost" ? "127.0.0.1" : host;
            if (!isLoopbackV4(out.listenHost)) {
                error = "--listen: \"" + host + "\" is not a loopback address (127.0.0.0/8)";
                return false;
            }
        } else if (arg == "--model") {
            if (!value(out.model))
                return false;
        } else if (arg == "--data") {
            if (!value(v))
                return false;
            out.dataFiles.push_back(v);
        } else if (arg == "--data-dir") {
            if (!value(out.dataDir))
                return false;
            if (out.dataDir.empty()) {
                error = "--data-dir needs a folder";
                return false;
            }
        } else if (arg == "--state-dir") {
            if (!value(out.stateDir))
                return false;
        } else if (arg == "--engine-id") {
            if (!value(v))
                return false;
            if (v.rfind("0x", 0) == 0 || v.rfind("0X", 0) == 0)
                v = v.substr(2);
            const bool hex = v.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
            if (!hex || v.size() % 2 || v.size() < 10 || v.size() > 64) {
                error = "--engine-id: expected 5 to 32 octets in hex";
                return false;
            }
            out.engineIdHex = v;
        } else if (arg == "--live") {
            out.live = true;
        } else if (arg == "--live-interval-ms") {
            if (!number(50, 3600000, out.liveIntervalMs))
                return false;
        } else if (arg == "--transfer-fail") {
            out.transferFail = true;
        } else if (arg == "--transfer-step-ms") {
            if (!number(1, 3600000, out.transferStepMs))
                return false;
        } else if (arg == "--delay-ms") {
            if (!number(0, 600000, out.delayMs))
                return false;
        } else if (arg == "--drop-every") {
            if (!number(1, 1000000, out.dropEvery))
                return false;
        } else if (arg == "--bulk") {
            if (!value(v))
                return false;
            if (v == "normal")
                out.bulk = BulkAnswer::Normal;
            else if (v == "ignore")
                out.bulk = BulkAnswer::Ignore;
            else if (v == "refuse")
                out.bulk = BulkAnswer::Refuse;
            else {
                error = "--bulk: expected normal, ignore or refuse, got \"" + v + "\"";
                return false;
            }
        } else if (arg == "--fdb-entries") {
            if (!number(0, 1000000, out.fdbEntries))
                return false;
        } else if (arg == "--vlans") {
            if (!number(0, 4094, out.vlans))
                return false;
        } else if (arg == "--error") {
            if (!value(v))
                return false;
            const auto eq = v.find('=');
            const std::string oid = eq == std::string::npos ? std::string() : snmp::oid::normalise(snmp::expandEnterprise(v.substr(0, eq)));
            const long status = eq == std::string::npos ? -1 : errorStatusFromText(v.substr(eq + 1));
            if (oid.empty() || status < 0) {
                error = "--error: expected OID=STATUS (STATUS a number 1-18 or a name such as genErr), got \"" + v + "\"";
                return false;
            }
            out.errors[oid] = status;
        } else {
            error = "unknown option \"" + arg + "\"";
            return false;
        }
    }
    return true;
}

} // namespace sim
