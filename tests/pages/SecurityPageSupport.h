#pragma once
// Helpers of the security and QoS page tests: device objects by their tail, the set requests a
// page sent as texts.

#include "PageTestSupport.h"

#include "Enterprise.h"

#include <string>
#include <vector>

// "ENTERPRISE.10.75.5.2." + tail, expanded.
inline std::string deviceObject(const std::string& tail)
{
    return snmp::expandEnterprise("ENTERPRISE.10.75.5.2." + tail);
}

// "OID=2:VALUE" and "OID=4:BYTES", as bindTexts shows bindings.
inline std::string intBind(const std::string& oid, long long value)
{
    return oid + "=2:" + std::to_string(value);
}
inline std::string octetBind(const std::string& oid, const std::string& bytes)
{
    return oid + "=4:" + bytes;
}

using SetTexts = std::vector<std::vector<std::string>>;

// Every set request the agent received, in order, one list of bindings each.
inline SetTexts setRequests(const snmp::MemoryAgent& agent)
{
    SetTexts texts;
    for (const auto& request : agent.requestsOfType(snmp::PduType::Set))
        texts.push_back(bindTexts(request));
    return texts;
}

// A page run modally over another is driven from a timer that fires once it runs: a real timer,
// since replies reach a page through posted events, which a zero-time single shot (itself a
// posted event) would hold back while it waits.
inline constexpr int nestedPageDelayMs = 20;

// The first top-level dialog named `objectName` once it is shown (a page opened over another).
inline QDialog* shownDialog(const char* objectName, int limitMs = 3000)
{
    QDialog* found = nullptr;
    waitUntil(
        [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (w->objectName() == QLatin1String(objectName) && w->isVisible())
                    found = qobject_cast<QDialog*>(w);
            }
            return found != nullptr;
        },
        limitMs);
    return found;
}
