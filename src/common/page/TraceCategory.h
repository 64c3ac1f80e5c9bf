#pragma once
// Diagnostic lines of the module (category "sorvex.trace"): off by default, switched on with
// QT_LOGGING_RULES="sorvex.trace=true". Texts are printed exactly as given.

#include <QLoggingCategory>
#include <QString>

Q_DECLARE_LOGGING_CATEGORY(lcTrace)

void TraceLine(const QString& line);

// Routes the SNMP layer's own diagnostic lines into the category. Start-up calls it once.
void InstallSnmpTraceSink();
