#include "PortListText.h"

#include "HexDigit.h"
#include "MessageBox.h"
#include "NumberText.h"

#include <QList>

#include <algorithm>

namespace {

// Appends "p," for each port and strips the last comma at the end.
class EnumerationBuilder {
public:
    void add(int port)
    {
        m_result.text += QString::number(port);
        m_result.text += u',';
        ++m_result.count;
    }
    PortText finish()
    {
        if (m_result.count > 0)
            m_result.text.chop(1);
        return std::move(m_result);
    }

private:
    PortText m_result;
};

// A port number read from a typed item, if it names one of ports 1 ... portCount.
bool readPort(QStringView item, std::size_t portCount, std::size_t& port)
{
    const auto value = LeadingInteger(item);
    if (!value || *value < 1 || uint64_t(*value) > portCount)
        return false;
    port = std::size_t(*value);
    return true;
}

} // namespace

std::vector<int> PortListMembers(std::string_view octets)
{
    std::vector<int> ports;
    for (std::size_t j = 0; j < octets.size(); ++j) {
        const auto octet = static_cast<unsigned char>(octets[j]);
        for (int k = 0; k < 8; ++k) {
            if (octet & (0x80u >> k))
                ports.push_back(int(j) * 8 + k + 1);
        }
    }
    return ports;
}

PortText PortListToText(std::string_view octets, int portCount)
{
    const std::size_t octetsRead = portCount > 0 ? (std::size_t(portCount) + 7) / 8 : 0;
    EnumerationBuilder builder;
    for (int port : PortListMembers(octets.substr(0, std::min(octetsRead, octets.size()))))
        builder.add(port);
    return builder.finish();
}

PortText PortListToRangeText(std::string_view octets, int lowestPort, int highestPort)
{
    PortText result;
    bool runOpen = false;
    int previous = 0;
    for (int port : PortListMembers(octets)) {
        if (port < lowestPort || port > highestPort)
            continue;
        if (result.count == 0) {
            result.text = QString::number(port);
        } else if (port != previous + 1) {
            if (runOpen)
                result.text += u'-' + QString::number(previous);
            result.text += u',' + QString::number(port);
            runOpen = false;
        } else {
            runOpen = true;
        }
        previous = port;
        ++result.count;
    }
    if (runOpen)
        result.text += u'-' + QString::number(previous);
    return result;
}

PortText HexDigitsToPortText(std::string_view hexText)
{
    EnumerationBuilder builder;
    int group = 0;
    for (char c : hexText) {
        const int value = HexDigitValue(static_cast<unsigned char>(c));
        if (value < 0)
            continue;
        for (int bit = 0; bit < 4; ++bit) {
            if (value & (8 >> bit))
                builder.add(group * 4 + bit + 1);
        }
        ++group;
    }
    return builder.finish();
}

bool ParsePortListText(const QString& text, PortFlags& flags)
{
    const std::size_t portCount = flags.size();
    QStringView rest(text);
    while (!rest.isEmpty()) {
        const auto comma = rest.indexOf(u',');
        const QStringView item = comma < 0 ? rest : rest.left(comma);
        rest = comma < 0 ? QStringView() : rest.mid(comma + 1);

        std::size_t first = 0;
        std::size_t last = 0;
        bool valid = false;
        if (const auto dash = item.indexOf(u'-'); dash < 0) {
            valid = readPort(item, portCount, first);
            last = first;
        } else {
            valid = readPort(item.left(dash), portCount, first) && readPort(item.mid(dash + 1), portCount, last);
        }
        if (!valid) {
            MessageBox::info(QStringLiteral("Invalid Portlist"));
            return false;
        }
        for (std::size_t port = first; port <= last; ++port)
            flags[port - 1] = 1;
    }
    return true;
}

void MarkListedPorts(const QString& enumerationText, std::vector<int>& perPort, int value)
{
    for (QStringView item : QStringView(enumerationText).split(u',')) {
        std::size_t port = 0;
        if (readPort(item, perPort.size(), port))
            perPort[port - 1] = value;
    }
}

bool IsPortListChars(const QString& text)
{
    static const QString forbidden = QStringLiteral("~!@#$%^&*{}[]|\\:;'<>.?/`\"");
    for (QChar c : text) {
        if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || forbidden.contains(c))
            return false;
    }
    return true;
}
