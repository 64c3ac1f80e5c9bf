#include "ProbeHelp.h"

std::string probeHelpText()
{
    return "usage: sorvex-snmp [--timeout MS] LAUNCHLINE get OID...\n"
           "       sorvex-snmp [--timeout MS] LAUNCHLINE walk OID...\n"
           "       sorvex-snmp [--timeout MS] LAUNCHLINE set OID TYPE VALUE [OID TYPE VALUE]...\n"
           "       sorvex-snmp --help | --version\n"
           "\n"
           "Talks to a switch through the management module's own session layer, with the module's\n"
           "launch line, to check an address and its credentials.\n"
           "\n"
           "  LAUNCHLINE   as for sorvex-module, e.g. /A1/I127.0.0.1:16161/Rtundra/Wlantern/ETRUE/V1/P161\n"
           "               \"-\" reads it from standard input, so that no other user sees its secrets\n"
           "               in the process list (a line given here is overwritten in the argument\n"
           "               memory once read)\n"
           "  --timeout MS time to wait for each answer\n"
           "  OID          numeric; may begin with ENTERPRISE. for the switch's own objects\n"
           "  TYPE         i INTEGER, s OCTET STRING, x hex octets, a IpAddress, u Unsigned32\n"
           "\n"
           "Exit status: 0 success, 1 nothing came back (no answer in time, an unusable address, nothing\n"
           "sent), 2 refused by the agent (an error-status or the version-3 credentials), 3 bad usage.\n"
           "See sorvex-snmp(1) and sorvex-module(1).\n";
}
