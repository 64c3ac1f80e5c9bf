// The other values the pages decode or check: MAC addresses, IPv4 host addresses, the UTF-8
// display strings of the switch, name keys and the walked index of a port. Any input decodes
// without fault; what is accepted converts back to what was given.

#include "FuzzTarget.h"
#include "IpAddressText.h"
#include "MacText.h"
#include "NameText.h"
#include "ScriptedMessageBox.h"
#include "SnmpReply.h"
#include "Utf8Text.h"

#include <QStringDecoder>

namespace {

bool isValidUtf8(std::string_view bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    // The decoder only runs when its result is taken.
    const QString decoded = decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    return !decoder.hasError();
}

void checkMac(const QString& typed, bool multicastAllowed)
{
    static const QStringList kMessages = {QStringLiteral("Please enter correct MAC format(ex:00-00-00-00-00-01)"),
                                          QStringLiteral("Broadcast MAC is not allowed."),
                                          QStringLiteral("Multicast MAC is not allowed.")};
    ScriptedMessageBox boxes;
    const bool accepted = ValidateMacText(typed, multicastAllowed);
    const QStringList shown = boxes.texts();
    if (!accepted) {
        FUZZ_CHECK(shown.size() == 1 && kMessages.contains(shown.front()));
        MacTextToIndex(typed); // also on text it refused
    } else {
        FUZZ_CHECK(shown.isEmpty());
        const std::string octets = MacTextToOctets(typed);
        FUZZ_CHECK(octets.size() == 6);
        FUZZ_CHECK(MacOctetsText(octets).compare(typed, Qt::CaseInsensitive) == 0);
        std::string index;
        for (unsigned char octet : octets)
            index += '.' + std::to_string(octet);
        FUZZ_CHECK(MacTextToIndex(typed) == index);
    }
}

void checkOctetsAsMac(std::string_view octets)
{
    const QString text = MacOctetsText(octets);
    FUZZ_CHECK(MacTextToOctets(text) == octets);
}

void checkHostAddress(const QString& typed)
{
    if (!IsValidHostAddress(typed))
        return;
    const QStringList numbers = typed.split(u'.');
    FUZZ_CHECK(numbers.size() == 4);
    for (const QString& number : numbers) {
        bool ok = false;
        FUZZ_CHECK(number.toUInt(&ok) <= 255 && ok);
    }
}

void checkUtf8(std::string_view bytes, size_t bufferBytes)
{
    const QString text = TextFromUtf8(bytes);
    const std::string written = TextToUtf8(text, bufferBytes);
    FUZZ_CHECK(written.size() < std::max<size_t>(bufferBytes, 1));
    FUZZ_CHECK(isValidUtf8(written));
    FUZZ_CHECK(written.find('\0') == std::string::npos);
    // A valid name survives a read and a write-back byte for byte.
    const std::string_view name = bytes.substr(0, bytes.find('\0'));
    if (isValidUtf8(name) && name.size() < bufferBytes)
        FUZZ_CHECK(written == name);
}

void checkNameIndex(std::string_view key)
{
    const std::string index = NameIndex(key);
    FUZZ_CHECK(index.rfind("." + std::to_string(key.size()), 0) == 0);
    IsValidNameText(TextFromUtf8(key));
}

void checkWalkedIndex(std::string_view suffix, int portCount)
{
    SnmpReply reply;
    reply.status = 0;
    reply.values.push_back(snmp::VarBind::integer("1.3.6.1.2.1.2.2.1.8" + std::string(suffix), 1));
    reply.suffixes.emplace_back(suffix);
    const int port = reply.portIndex(0, portCount);
    FUZZ_CHECK(port == 0 || (port >= 1 && port <= portCount));
    if (const auto index = reply.index(0); index && port != 0)
        FUZZ_CHECK(*index == port);
    reply.portIndex(1, portCount); // a position that is not there
    reply.suffix(1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::InputReader input(data, size);
    const uint8_t flags = input.byte();
    const size_t bufferBytes = input.byte();
    const std::string_view first = input.field();
    const std::string_view second = input.rest();
    const QString typed = QString::fromUtf8(first.data(), qsizetype(first.size()));

    checkMac(typed, flags & 1);
    checkOctetsAsMac(second);
    checkHostAddress(typed);
    checkUtf8(second, bufferBytes);
    checkUtf8(first, Utf8TextBufferBytes);
    checkNameIndex(second);
    checkWalkedIndex(first, (flags >> 1) % 100);
    return 0;
}
