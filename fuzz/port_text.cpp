// Port sets in every form the pages meet them: PortList octets from the switch, their text,
// hex digits, and the port list the operator types. Any input decodes without fault, and each
// form read back gives the same ports.

#include "FuzzTarget.h"
#include "NumberText.h"
#include "PortHex.h"
#include "PortListText.h"
#include "ScriptedMessageBox.h"

#include <algorithm>
#include <bit>
#include <set>

namespace {

std::set<int> selected(const PortFlags& flags)
{
    std::set<int> ports;
    for (size_t i = 0; i < flags.size(); ++i) {
        FUZZ_CHECK(flags[i] == 0 || flags[i] == 1);
        if (flags[i])
            ports.insert(int(i) + 1);
    }
    return ports;
}

// The ports `text` selects on a switch of portCount ports; the text must be accepted.
std::set<int> parsedBack(const QString& text, int portCount)
{
    ScriptedMessageBox boxes;
    PortFlags flags(size_t(portCount), 0);
    FUZZ_CHECK(ParsePortListText(text, flags));
    FUZZ_CHECK(boxes.texts().isEmpty());
    return selected(flags);
}

void checkOctets(std::string_view octets, int portCount, int lowest, int highest)
{
    const std::vector<int> members = PortListMembers(octets);
    FUZZ_CHECK(std::is_sorted(members.begin(), members.end()));
    FUZZ_CHECK(std::adjacent_find(members.begin(), members.end()) == members.end());
    size_t bits = 0;
    for (char c : octets)
        bits += size_t(std::popcount(static_cast<unsigned char>(c)));
    FUZZ_CHECK(members.size() == bits);
    FUZZ_CHECK(members.empty() || (members.front() >= 1 && size_t(members.back()) <= octets.size() * 8));

    const size_t octetsRead = std::min(octets.size(), size_t(portCount + 7) / 8);
    const PortText text = PortListToText(octets, portCount);
    const std::vector<int> shown = PortListMembers(octets.substr(0, octetsRead));
    FUZZ_CHECK(text.count == int(shown.size()));
    if (octetsRead > 0)
        FUZZ_CHECK(parsedBack(text.text, int(octetsRead * 8)) == std::set<int>(shown.begin(), shown.end()));

    const PortText range = PortListToRangeText(octets, lowest, highest);
    std::set<int> inRange;
    for (int port : members) {
        if (port >= lowest && port <= highest)
            inRange.insert(port);
    }
    FUZZ_CHECK(range.count == int(inRange.size()));
    if (!inRange.empty())
        FUZZ_CHECK(parsedBack(range.text, *inRange.rbegin()) == inRange);

    FUZZ_CHECK(HexToOctets(OctetsToHex(octets)) == octets);
    const PortText fromHex = HexDigitsToPortText(OctetsToHex(octets));
    FUZZ_CHECK(fromHex.count == int(members.size()));
}

void checkTyped(const QString& typed, int portCount)
{
    ScriptedMessageBox boxes;
    PortFlags flags(size_t(portCount), 0);
    const bool accepted = ParsePortListText(typed, flags);
    FUZZ_CHECK(boxes.texts() == (accepted ? QStringList() : QStringList{QStringLiteral("Invalid Portlist")}));
    const std::set<int> ports = selected(flags);

    // The chain by which the selection is written: padded to the switch's length, and every
    // selected port, and only those, set in the octets.
    const std::string octets = PortFlagsToOctets(flags);
    const std::vector<int> written = PortListMembers(octets);
    FUZZ_CHECK(std::set<int>(written.begin(), written.end()) == ports);
    FUZZ_CHECK(octets.size() >= (flags.size() + 7) / 8);
    if (portCount == 28 || portCount == 24)
        FUZZ_CHECK(octets.size() == 4);
    if (portCount == 52 || portCount == 48)
        FUZZ_CHECK(octets.size() == 8);

    std::vector<int> perPort(size_t(portCount), 0);
    MarkListedPorts(typed, perPort, 7);
    IsPortListChars(typed);
    LeadingInteger(QStringView(typed));
    const std::string bytes = typed.toStdString();
    FUZZ_CHECK(HexToOctets(bytes, 3).size() <= 3);
    HexDigitsToPortText(bytes);
    LeadingInteger(std::string_view(bytes));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::InputReader input(data, size);
    static const int kPortCounts[] = {28, 52, 24, 48, 10, 8, 16, 20, 1, 99};
    const uint8_t choice = input.byte();
    const int portCount = choice < 10 ? kPortCounts[choice] : choice % 100;
    const int lowest = int(input.byte()) - 8;
    const int highest = lowest + int(input.byte());
    const std::string_view octets = input.sized();
    checkOctets(octets, portCount, lowest, highest);
    checkTyped(QString::fromUtf8(input.rest().data(), qsizetype(input.rest().size())), portCount);
    return 0;
}
