#pragma once
// The rows a polling walk gathers and hands to the device window when it ends.

#include <string>

// One row of the link walk (ifTable and the device's media column).
struct LinkRow {
    int port = 0;
    std::string admin;
    std::string oper;
    std::string speed;
    int media = 0;
};

// One row of the PoE status walk.
struct PoeRow {
    int port = 0;
    std::string status;
};
