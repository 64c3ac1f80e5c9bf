// sorvex-sim: a simulated SORVEX-A switch, a real SNMP agent on a loopback address.

#include "AgentHandler.h"
#include "AgentHost.h"
#include "DataLocation.h"
#include "DeviceBehaviour.h"
#include "SimOids.h"
#include "FaultInjector.h"
#include "FdbGenerator.h"
#include "ObjectRules.h"
#include "ProgramInfo.h"
#include "SeedLoader.h"
#include "SetEvaluator.h"
#include "SimOptions.h"
#include "VlanGenerator.h"

#include <algorithm>
#include <filesystem>
#include <iostream>

namespace fs = std::filesystem;
using namespace sim;

namespace {

// The seed data lies beside the program (the build folder) or in the installed data folder.
std::string findDataDir(const std::string& option)
{
    if (!option.empty())
        return option;
    return DataLocation::folderHolding("sim-data") + "sim-data";
}

// The PoE ports are those the model's data gives a PoE status row ("1.PORT").
PortLayout layoutOf(const MibStore& store)
{
    PortLayout layout;
    const Oid statusColumn = concat(oids::poeColumn(oids::PoeStatus), {1});
    Oid next = statusColumn;
    while (store.next(next, &next) && next.size() == statusColumn.size() + 1 && startsWith(next, statusColumn))
        layout.poePortCount = std::max(layout.poePortCount, static_cast<int>(next.back()));
    layout.poePortCount = std::min(layout.poePortCount, layout.portCount);
    return layout;
}

int fail(const std::string& message)
{
    std::cerr << "sorvex-sim: " << message << "\n";
    return 1;
}

int run(int argc, char** argv)
{
    if (const auto answered = ProgramInfo::answer(argc, argv, "sorvex-sim", SimOptions::usage()))
        return *answered;
    SimOptions options;
    std::string error;
    if (!SimOptions::parse(std::vector<std::string>(argv + 1, argv + argc), options, error))
        return fail(error + "\n" + SimOptions::usage());
    if (options.help) {
        std::cout << SimOptions::usage();
        return 0;
    }

    const std::string dataDir = findDataDir(options.dataDir);
    MibStore store;
    ObjectRules rules;
    if (!SeedLoader::load(dataDir, options.model, options.dataFiles, store, error) ||
        !rules.load((fs::path(dataDir) / "object-rules.txt").string(), error))
        return fail(error);

    FaultInjector faults(options.delayMs, options.dropEvery, options.errors, options.bulk);
    AgentHost host(options, faults);
    DeviceBehaviour behaviour(store, layoutOf(store), [] { return static_cast<uint32_t>(netsnmp_get_agent_uptime()); },
                              &AgentHost::schedule, options.transferStepMs, options.transferFail);

    std::vector<int> portsWithLink;
    for (int p = 1; p <= behaviour.ports().layout().portCount; ++p)
        if (behaviour.ports().isUp(p))
            portsWithLink.push_back(p);
    VlanGenerator::fill(store, options.vlans, behaviour.ports().layout().portCount);
    FdbGenerator::fill(store, options.fdbEntries, portsWithLink, store.bytes(oids::ifCell(6, behaviour.ports().layout().portCount + 1)));

    SetEvaluator evaluator(store, rules, [&behaviour](const Oid& oid, const snmp::VarBind& vb) { return behaviour.checkValue(oid, vb); });
    AgentHandler handler(store, evaluator, behaviour, faults);

    if (!host.prepare(error))
        return fail(error);
    host.initAgent();
    if (!handler.registerHandler())
        return fail("cannot register the MIB handler");
    if (!host.start(error))
        return fail(error);
    if (options.live)
        AgentHost::scheduleRepeating(options.liveIntervalMs, [&behaviour] { behaviour.liveStep(); });

    std::cout << "sorvex-sim: " << options.model << " listening on " << host.endpoint() << " (state " << host.stateDir() << ")"
              << std::endl;
    host.run();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // Whatever escapes start-up (memory, the file system) ends the simulator with its reason.
    try {
        return run(argc, argv);
    } catch (const std::exception& e) {
        return fail(e.what());
    }
}
