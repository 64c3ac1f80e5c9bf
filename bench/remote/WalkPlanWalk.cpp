// Walks one column with WalkPlan over NetSnmpTransport and prints one line per row ("OID value"),
// so bench/remote can time the plan beside the peers with the same row count.
//   bench_walkplan ADDRESS 1|3 COLUMN      (version 3: the simulator's authPriv user "shades")

#include "NetSnmpTransport.h"
#include "WalkPlan.h"

#include <cstdio>
#include <string>

using namespace snmp;

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: bench_walkplan ADDRESS 1|3 COLUMN\n");
        return 3;
    }
    SnmpTarget target;
    target.address = argv[1];
    target.version = std::stoi(argv[2]) == 3 ? 3 : 1;
    target.community = "tundra";
    target.userName = "shades";
    target.msgFlags = 3;
    target.authArith = 1;
    target.authPassword = "shaauthpass";
    target.privPassword = "shaprivpass";

    NetSnmpTransport transport;
    WalkPlan plan({argv[3]}, target.version == 3 && bulkWalksEnabled());
    std::string out;
    for (;;) {
        SnmpPdu response;
        const auto status = transport.exchange(target, plan.nextRequest(), response, 5000, makeCancelToken());
        if (status == ExchangeStatus::NoAnswer && plan.usesBulk()) {
            plan.fallBackToGetNext();
            continue;
        }
        if (status != ExchangeStatus::Answered)
            return 1;
        const WalkPlan::Step step = plan.take(response, target.version);
        for (const auto& row : step.rows)
            out += "." + row[0].oid + " " + row[0].text() + "\n";
        if (step.end != 1) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            return step.end == -2 ? 0 : 2;
        }
    }
}
