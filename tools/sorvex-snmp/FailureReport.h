#pragma once
// The one line sorvex-snmp prints for a failed request, and its exit status: 1 when nothing came
// back (not sent, or no answer in time), 2 when the agent refused (an error-status, or a report
// that refused the version-3 credentials).

#include "CCommonSNMP.h"
#include "LaunchParams.h"

#include <string>

constexpr int kExitOk = 0, kExitNoAnswer = 1, kExitRefused = 2, kExitUsage = 3;

// `status` is the session's nonzero result of the request.
int reportFailure(CCommonSNMP& session, int status, const LaunchParams& params);
