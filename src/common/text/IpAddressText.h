#pragma once
// IPv4 addresses typed by the operator ("a.b.c.d").

#include <QString>

// True for a usable unicast host address: four decimal numbers 0-255, not a network or
// broadcast address of its class, not loopback, not class D or E. Shows no message.
bool IsValidHostAddress(const QString& address);
