// sorvex-snmp: talks to a switch through the module's own session layer, with the module's own
// launch line, so administrators can check credentials and we can measure the layer.
//
//   sorvex-snmp [--timeout MS] LAUNCHLINE get OID...
//   sorvex-snmp [--timeout MS] LAUNCHLINE walk OID...
//   sorvex-snmp [--timeout MS] LAUNCHLINE set OID TYPE VALUE [OID TYPE VALUE]...
//
// LAUNCHLINE "-" reads the launch line from standard input.
//
// Exit status: 0 success, 1 nothing came back, 2 the agent refused, 3 bad usage or launch line.

#include "Arguments.h"
#include "CCommonSNMP.h"
#include "Enterprise.h"
#include "FailureReport.h"
#include "LaunchArguments.h"
#include "LaunchParams.h"
#include "ProbeHelp.h"
#include "ProgramInfo.h"
#include "SnmpFront.h"
#include "Trace.h"
#include "ValuePrinter.h"

#include <climits>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

using namespace snmp;

namespace {

constexpr int kOk = kExitOk, kUsage = kExitUsage;

int usage(const std::string& why)
{
    std::cerr << "sorvex-snmp: " << why << "\n"
              << "usage: sorvex-snmp [--timeout MS] LAUNCHLINE get OID...\n"
              << "       sorvex-snmp [--timeout MS] LAUNCHLINE walk OID...\n"
              << "       sorvex-snmp [--timeout MS] LAUNCHLINE set OID TYPE VALUE [OID TYPE VALUE]...\n"
              << "LAUNCHLINE - reads the launch line from standard input\n"
              << "TYPE: i INTEGER, s OCTET STRING, x hex octets, a IpAddress, u Unsigned32\n";
    return kUsage;
}

void printBindings(const std::vector<VarBind>& bindings)
{
    std::string out;
    for (const auto& vb : bindings)
        out += formatBinding(vb) + '\n';
    std::fwrite(out.data(), 1, out.size(), stdout);
}

void printAnswer(const CSnmp& answer)
{
    printBindings(answer.bindings());
}

} // namespace

int main(int argc, char** argv)
{
    if (const auto answered = ProgramInfo::answer(argc, argv, "sorvex-snmp", probeHelpText()))
        return *answered;
    std::vector<std::string> args(argv + 1, argv + argc);
    int timeoutMs = 0;
    if (args.size() >= 2 && args[0] == "--timeout") {
        const auto parsed = parseTimeoutMs(args[1]);
        if (!parsed)
            return usage("bad timeout " + args[1] + " (milliseconds, 1 to " + std::to_string(INT_MAX) + ")");
        timeoutMs = *parsed;
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.size() < 3)
        return usage("missing arguments");
    // The launch line from standard input keeps its secrets out of the process list; one given
    // as an argument is wiped from the argument memory once copied.
    const int lineIndex = argc - static_cast<int>(args.size());
    if (args[0] == "-") {
        const auto line = LaunchArguments::readLine(stdin);
        if (!line)
            return usage("the launch line on standard input is longer than " +
                         std::to_string(LaunchArguments::kMaxLineBytes) + " bytes");
        args[0] = *line;
    } else {
        LaunchArguments::hideSecrets(1, argv + lineIndex);
    }
    const LaunchParams params = LaunchParams::parse(args[0]);
    if (const std::string problem = params.problem(); !problem.empty())
        return usage(problem);
    LaunchParams::setCurrent(params);
    if (std::getenv("SORVEX_TRACE"))
        setTraceSink([](std::string_view line) { std::cerr << line << '\n'; });
    SnmpInit("sorvex-snmp");

    const std::string command = args[1];
    std::vector<std::string> rest(args.begin() + 2, args.end());
    // Only OIDs are expanded: a set's values are sent as written.
    for (size_t i = 0; i < rest.size(); i += command == "set" ? 3 : 1)
        rest[i] = expandEnterprise(rest[i]);

    CCommonSNMP session;
    if (command == "get" || command == "walk") {
        for (const auto& o : rest)
            if (!isUsableOid(o))
                return usage("bad OID " + o);
        if (command == "get") {
            session.Prepare(PduType::Get);
            for (const auto& o : rest)
                session.AddVarBind(o, Syntax::Null);
            std::unique_ptr<CSnmp> answer;
            const int status = session.SendAndWait(answer, timeoutMs);
            if (status != 0)
                return reportFailure(session, status, params);
            printAnswer(*answer);
            return kOk;
        }
        // Rows are printed as they arrive; the walk ends once.
        const int status = session.walkAndWait(
            rest,
            [](Reply row) {
                printBindings(row.values);
                return true;
            },
            {timeoutMs});
        std::fflush(stdout);
        return status == -2 ? kOk : reportFailure(session, status, params);
    }
    if (command == "set") {
        if (rest.empty() || rest.size() % 3)
            return usage("set needs OID TYPE VALUE triples");
        session.Prepare(PduType::Set);
        for (size_t i = 0; i < rest.size(); i += 3) {
            const std::string& o = rest[i];
            const std::string& type = rest[i + 1];
            const std::string& value = rest[i + 2];
            if (!isUsableOid(o))
                return usage("bad OID " + o);
            int added = -1;
            if (type == "i")
                added = session.AddVarBind(o, Syntax::Integer, value);
            else if (type == "s")
                added = session.AddVarBind(o, Syntax::OctetString, value);
            else if (type == "a")
                added = session.AddVarBind(o, Syntax::IpAddress, value);
            else if (type == "u")
                added = session.AddVarBind(o, Syntax::Unsigned32, value);
            else if (type == "x") {
                const auto bytes = decodeHexOctets(value);
                if (!bytes)
                    return usage("bad hex value " + value);
                added = session.AddVarBind(o, Syntax::OctetString, bytes->data(), static_cast<unsigned>(bytes->size()));
            } else
                return usage("unknown type " + type);
            if (added != 0)
                return usage("bad value \"" + value + "\" for " + o + " (type " + type + ")");
        }
        std::unique_ptr<CSnmp> answer;
        const int status = session.SendAndWait(answer, timeoutMs);
        if (status != 0)
            return reportFailure(session, status, params);
        printAnswer(*answer);
        return kOk;
    }
    return usage("unknown command " + command);
}
