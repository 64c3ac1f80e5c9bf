#include "SeedLoader.h"

#include "SnmprecParser.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace sim {

std::string SeedLoader::modelFolder(const std::string& model)
{
    std::string folder = model;
    std::replace(folder.begin(), folder.end(), ' ', '-');
    return folder;
}

std::vector<std::string> SeedLoader::knownModels(const std::string& dataDir)
{
    std::vector<std::string> models;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(fs::path(dataDir) / "models", ec)) {
        if (!entry.is_directory())
            continue;
        std::string name = entry.path().filename().string();
        // The revision is the part after the last '-': "SORVEX-AP-B1" -> "SORVEX-AP B1".
        if (auto dash = name.rfind('-'); dash != std::string::npos)
            name[dash] = ' ';
        models.push_back(name);
    }
    std::sort(models.begin(), models.end());
    return models;
}

bool SeedLoader::load(const std::string& dataDir, const std::string& model, const std::vector<std::string>& extraFiles,
                      MibStore& store, std::string& error)
{
    if (!fs::is_directory(fs::path(dataDir) / "models")) {
        error = "\"" + dataDir + "\" holds no seed data (no models folder)";
        return false;
    }
    const fs::path modelDir = fs::path(dataDir) / "models" / modelFolder(model);
    if (model.find('/') != std::string::npos || !fs::is_directory(modelDir)) {
        error = "unknown model \"" + model + "\"; known models:";
        for (const auto& m : knownModels(dataDir))
            error += " \"" + m + "\"";
        return false;
    }
    if (!loadFolder((fs::path(dataDir) / "common").string(), store, error) || !loadFolder(modelDir.string(), store, error))
        return false;
    for (const auto& file : extraFiles)
        if (!loadFile(file, store, error))
            return false;
    return true;
}

bool SeedLoader::loadFolder(const std::string& folder, MibStore& store, std::string& error)
{
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (entry.is_regular_file() && entry.path().extension() == ".snmprec")
            files.push_back(entry.path());
    if (ec) {
        error = folder + ": " + ec.message();
        return false;
    }
    std::sort(files.begin(), files.end());
    for (const auto& file : files)
        if (!loadFile(file.string(), store, error))
            return false;
    return true;
}

bool SeedLoader::loadFile(const std::string& path, MibStore& store, std::string& error)
{
    std::vector<snmp::VarBind> records;
    snmp::SnmprecError parseError;
    if (!snmp::SnmprecParser::parseFile(path, records, parseError)) {
        error = parseError.message();
        return false;
    }
    for (auto& record : records) {
        const Oid oid = toOid(record.oid);
        store.put(oid, std::move(record));
    }
    return true;
}

} // namespace sim
