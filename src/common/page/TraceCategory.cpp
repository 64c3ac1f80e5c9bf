#include "TraceCategory.h"

#include "Trace.h" // the SNMP layer's sink

// Debug lines only: a category at QtInfoMsg keeps them off until a logging rule enables them.
Q_LOGGING_CATEGORY(lcTrace, "sorvex.trace", QtInfoMsg)

void TraceLine(const QString& line)
{
    qCDebug(lcTrace).noquote() << line;
}

void InstallSnmpTraceSink()
{
    snmp::setTraceSink([](std::string_view line) {
        qCDebug(lcTrace).noquote() << QString::fromUtf8(line.data(), qsizetype(line.size()));
    });
}
