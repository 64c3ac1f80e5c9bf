#pragma once
// Tells other programs of the management suite that a front-panel port was clicked: a message
// "0\n" (the notification's first parameter) to the local server named by the notification's
// GUID, when one listens. None listening is normal.

#include <QString>

class PortClickNotifier {
public:
    static QString ServerName();
    // True when a listener took the message.
    static bool Notify();
};
