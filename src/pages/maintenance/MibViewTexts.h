#pragma once
// How the public MIB views show the values they read.

#include <QString>

#include <string_view>

// ifOperStatus: "1" Link, "2" UnLink, "3" Test, anything else Unknown.
QString LinkStatusText(std::string_view value);
// ifSpeed (an unsigned 32-bit gauge) in whole megabits: "100000000" -> "100M".
QString InterfaceSpeedText(std::string_view value);
// dot1qTpFdbStatus by its first character: Other, Invalid, Learn, Own, Static, else empty.
QString FdbStatusText(std::string_view value);
// tcpConnState: listen ... deleteTCB, anything else "closed".
QString TcpStateText(std::string_view value);
// The MAC address of a forwarding entry from its index ".fdbId.b1.b2.b3.b4.b5.b6":
// "00-1B-11-22-33-44". An index of another shape is shown as it is, without the leading dot.
QString FdbIndexMacText(std::string_view index);
// sysUpTime in hundredths of a second (unsigned 32-bit) as "26 Hour 5 Min"; empty for an empty
// value.
QString RuntimeText(std::string_view ticks);
