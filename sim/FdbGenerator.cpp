#include "FdbGenerator.h"

#include "SimOids.h"

namespace sim {

namespace {
constexpr uint32_t kColumnPort = 2, kColumnStatus = 3;
constexpr int kStatusLearned = 3, kStatusSelf = 4;

// Makers' prefixes seen on office networks.
const uint8_t kOuis[][3] = {{0x00, 0x1B, 0x21}, {0x3C, 0x52, 0x82}, {0x00, 0x0C, 0x29},
                            {0xF4, 0x8E, 0x38}, {0x00, 0x50, 0x56}, {0xB8, 0x27, 0xEB}};

void addEntry(MibStore& store, uint32_t fdbId, const uint8_t mac[6], int port, int status)
{
    Oid index = {fdbId};
    for (int i = 0; i < 6; ++i)
        index.push_back(mac[i]);
    store.put(concat(concat(oids::dot1qTpFdbEntry, {kColumnPort}), index), snmp::VarBind::integer({}, port));
    store.put(concat(concat(oids::dot1qTpFdbEntry, {kColumnStatus}), index), snmp::VarBind::integer({}, status));
}
} // namespace

void FdbGenerator::fill(MibStore& store, int learnedEntries, const std::vector<int>& portsWithLink, const std::string& switchMac)
{
    if (switchMac.size() == 6) {
        uint8_t own[6];
        for (int i = 0; i < 6; ++i)
            own[i] = static_cast<uint8_t>(switchMac[static_cast<size_t>(i)]);
        addEntry(store, 1, own, 0, kStatusSelf);
    }
    if (portsWithLink.empty())
        return;
    for (int i = 0; i < learnedEntries; ++i) {
        // Multiplying by an odd constant is a bijection modulo 2^24, so the addresses differ.
        const uint32_t low = (static_cast<uint32_t>(i) * 0x9E3779B1u + 0x2A5C3u) & 0xFFFFFFu;
        const auto& oui = kOuis[static_cast<size_t>(i) % std::size(kOuis)];
        const uint8_t mac[6] = {oui[0], oui[1], oui[2], static_cast<uint8_t>(low >> 16), static_cast<uint8_t>(low >> 8),
                                static_cast<uint8_t>(low)};
        const int port = portsWithLink[(static_cast<size_t>(i) * 7) % portsWithLink.size()];
        const auto pvid = store.number(oids::device({7, 7, 1, 1, static_cast<uint32_t>(port)})).value_or(1);
        addEntry(store, static_cast<uint32_t>(pvid), mac, port, kStatusLearned);
    }
}

} // namespace sim
