// The .snmprec parser the simulator seeds its objects from and saves them with: any text either
// parses or names the line it refused, and every value read is written back as a line that
// reads as the same value (a saved object must come back unchanged).

#include "FuzzTarget.h"
#include "SnmprecParser.h"

#include <vector>

using snmp::SnmprecParser;
using snmp::VarBind;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<VarBind> binds;
    snmp::SnmprecError error;
    if (!SnmprecParser::parseText(text, "fuzz.snmprec", binds, error)) {
        FUZZ_CHECK(error.line >= 1);
        FUZZ_CHECK(!error.reason.empty());
    }
    for (const VarBind& vb : binds) {
        const std::string line = SnmprecParser::formatLine(vb);
        FUZZ_CHECK(line.find('\n') == std::string::npos);
        VarBind again;
        bool skipped = true;
        std::string reason;
        FUZZ_CHECK(SnmprecParser::parseLine(line, again, skipped, reason));
        FUZZ_CHECK(!skipped);
        FUZZ_CHECK(again == vb);
    }
    return 0;
}
