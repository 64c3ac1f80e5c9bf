#pragma once
// Command line of sorvex-sim.

#include <map>
#include <string>
#include <vector>

namespace sim {

// What the agent does with a GetBulk request.
enum class BulkAnswer {
    Normal, // answers it
    Ignore, // sends nothing back
    Refuse  // answers genErr
};

struct SimOptions {
    std::string listenHost = "127.0.0.1";
    int listenPort = 16161;
    std::string model = "SORVEX-A B1";
    std::vector<std::string> dataFiles; // loaded over the model's data, in order
    std::string dataDir;                // empty: found beside the program
    std::string stateDir;               // empty: a folder per listening address under the temp folder
    std::string engineIdHex;            // empty: derived from the listening address
    bool live = false;
    int liveIntervalMs = 3000;
    bool transferFail = false;
    int transferStepMs = 2000;
    int delayMs = 0;
    int dropEvery = 0;
    BulkAnswer bulk = BulkAnswer::Normal;
    std::map<std::string, long> errors; // numeric OID -> error-status
    int fdbEntries = 36;
    int vlans = 0; // active static VLANs to fill the table up to (0: the seed data's)
    bool help = false;

    // Parses the arguments after the program name; false with `error` set on a bad command line.
    static bool parse(const std::vector<std::string>& args, SimOptions& out, std::string& error);
    static std::string usage();
    // Error-status by name ("genErr") or number; -1 when unknown.
    static long errorStatusFromText(const std::string& text);
};

} // namespace sim
