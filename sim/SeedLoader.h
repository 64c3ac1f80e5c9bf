#pragma once
// Loads the seed data of a model into the store: data/common/*.snmprec, then
// data/models/<MODEL>/*.snmprec (each folder in file-name order, later records replace earlier
// ones), then the files given with --data.

#include "MibStore.h"

#include <string>
#include <vector>

namespace sim {

class SeedLoader {
public:
    // "SORVEX-AP B1" -> "SORVEX-AP-B1"
    static std::string modelFolder(const std::string& model);
    static std::vector<std::string> knownModels(const std::string& dataDir);

    // False with `error` set: "FILE:LINE: reason" for a malformed record, or what is missing.
    static bool load(const std::string& dataDir, const std::string& model, const std::vector<std::string>& extraFiles,
                     MibStore& store, std::string& error);

private:
    static bool loadFolder(const std::string& folder, MibStore& store, std::string& error);
    static bool loadFile(const std::string& path, MibStore& store, std::string& error);
};

} // namespace sim
