#include "LldpTexts.h"

#include <QByteArray>

namespace {

QString subtypeText(std::string_view value, const char* const (&texts)[7])
{
    if (value.size() == 1 && value[0] >= '1' && value[0] <= '7')
        return QString::fromLatin1(texts[value[0] - '1']);
    return QString::fromUtf8(value.data(), qsizetype(value.size()));
}

} // namespace

QString ChassisIdSubtypeText(std::string_view value)
{
    static const char* const texts[7] = {"chassisComponent", "interfaceAlias", "portComponent", "macAddress",
                                         "networkAddress",   "interfaceName",  "local"};
    return subtypeText(value, texts);
}

QString PortIdSubtypeText(std::string_view value)
{
    static const char* const texts[7] = {"interfaceAlias", "portComponent",  "macAddress", "networkAddress",
                                         "interfaceName",  "agentCircuitld", "local"};
    return subtypeText(value, texts);
}

QString ChassisIdText(std::string_view bytes)
{
    return QString::fromLatin1(QByteArray(bytes.data(), qsizetype(bytes.size())).toHex().toUpper());
}
